#pragma once
// The V-belt wizard's pages in a client area of their own. Boxes are found by
// name on whichever page they stand.
#include "parts/transmissions/transmissions_panels.h"
#include "support/panel_fixture.h"

class VBeltTest : public PanelTest {
protected:
    VBeltTest() : PanelTest(&transmissions::createPanels) {}

    QLineEdit* box(const char* name)
    {
        auto* e = clientArea.findChild<QLineEdit*>(QLatin1String(name));
        if (!e)
            ADD_FAILURE() << "no box " << name;
        return e;
    }
    void put(const Texts& texts)
    {
        for (const auto& [name, text] : texts)
            box(name)->setText(text);
    }
    QString at(const char* name) { return box(name)->text(); }
    void pressOn(const char* name)
    {
        auto* b = clientArea.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    void choose(const char* radio) { clientArea.findChild<QRadioButton*>(QLatin1String(radio))->setChecked(true); }

    // The drive of the worked example up to the belt length and Cp:
    // P1 5.5 kW, 1440 rev/min, u 2, C 40, 125 and 250 mm, e 0.01, L 1250, Cp 0.8.
    void exampleToPage3()
    {
        put({{"Edit459", num(5.5)}, {"Edit460", num(1440)}, {"Edit461", num(2)}, {"Edit467", num(40)}});
        pressOn("BitBtn103");
        pressOn("BitBtn104");
        put({{"Edit470", num(125)}, {"Edit471", num(250)}, {"Edit474", num(0.01)}});
        pressOn("BitBtn105");
        pressOn("BitBtn106");
        put({{"Edit482", num(1250)}, {"Edit488", num(0.8)}});
        pressOn("BitBtn107");
    }
    void exampleToPage5()
    {
        pressOn("BitBtn108");
        put({{"Edit491", num(0.95)}, {"Edit495", num(3)}, {"Edit498", num(1250)}, {"Edit503", num(0.2)}});
        pressOn("BitBtn109");
        pressOn("BitBtn110");
        pressOn("BitBtn111");
    }

    // What a box shows for a value written with '.', under the separator in force.
    using Expected = std::vector<std::pair<const char*, const char*>>;
    void expectTexts(const Expected& expected)
    {
        for (const auto& [name, text] : expected)
            EXPECT_EQ(at(name), dec(QString::fromUtf8(text))) << name;
    }
};
