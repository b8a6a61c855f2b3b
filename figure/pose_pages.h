#pragma once
// The figure's two pages below its button strip: the body page (Panel59:
// height, body angles, hair or helmet) and the finger and colour page
// (Panel60: the colour box and the finger angles).
#include <QFrame>

#include <memory>

namespace Ui {
class Panel59;
class Panel60;
} // namespace Ui

namespace figure {

class BodyPage : public QFrame {
public:
    explicit BodyPage(QWidget* parent);
    ~BodyPage() override;

private:
    std::unique_ptr<Ui::Panel59> ui;
};

class FingerPage : public QFrame {
public:
    explicit FingerPage(QWidget* parent);
    ~FingerPage() override;

private:
    std::unique_ptr<Ui::Panel60> ui;
};

} // namespace figure
