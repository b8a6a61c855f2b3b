#include "figure/pose_pages.h"

#include "figure/pose_record.h"

#include "ui_body_page.h"
#include "ui_finger_page.h"

namespace figure {

BodyPage::BodyPage(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::Panel59>())
{
    ui->setupUi(this);
    captionPage(this);
}

BodyPage::~BodyPage() = default;

FingerPage::FingerPage(QWidget* parent) : QFrame(parent), ui(std::make_unique<Ui::Panel60>())
{
    ui->setupUi(this);
    captionPage(this);
}

FingerPage::~FingerPage() = default;

} // namespace figure
