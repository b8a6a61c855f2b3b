#include "app/window/attachment.h"

#include "acad/errors.h"

namespace app {

void attachToDrawing(acad::TAcadDocument& connection)
{
    try {
        const acad::IAcadApplication application = acad::GetActiveOleObject(QStringLiteral("AutoCAD.Application"));
        connection.ConnectTo(application.ActiveDocument());
        return;
    } catch (const acad::Exception&) {
        // Not running, or not answering: start it below.
    }
    connection.Connect();
    connection.Application().Set(QStringLiteral("Visible"), true);
}

} // namespace app
