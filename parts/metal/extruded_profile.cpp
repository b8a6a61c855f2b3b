#include "parts/metal/extruded_profile.h"

#include "acad/numbers.h"

#include <QLineEdit>

namespace metal {

Values readInputs(acad::WorkingFields& w, const std::vector<ProfileInput>& inputs)
{
    Values values;
    values.reserve(inputs.size());
    for (const ProfileInput& input : inputs) {
        values.push_back(acad::StrToFloat(input.edit->text()));
        if (input.slot != kNoSlot)
            w.Dim(input.slot) = values.back();
    }
    return values;
}

acad::IAcad3DSolid extrudeSection(acad::WorkingFields& w, const Section& section, double height)
{
    w.SetProfile(section.vertices);
    w.MakeProfileRegion(section.bulges);
    return w.ExtrudeProfile(height);
}

Values drawExtruded(acad::WorkingFields& w, const ExtrudedProfile& profile)
{
    Values values = readInputs(w, profile.inputs);
    if (profile.rule)
        profile.rule(values, w);
    const double length = values[profile.length];
    w.BodySolid = extrudeSection(w, profile.contours.front()(values), length);
    for (std::size_t k = 1; k < profile.contours.size(); ++k) {
        w.ExtraSolid = extrudeSection(w, profile.contours[k](values), length);
        w.BodySolid.Boolean(acad::acSubtraction, w.ExtraSolid);
    }
    w.BodySolid.put_color(kMetalColour);
    return values;
}

} // namespace metal
