#include "parts/pipes/ball_pages.h"

#include <QWidget>

namespace pipes {

namespace {
constexpr int kTopStrip = 207;
constexpr int kPageWidth = 601, kPageHeight = 250, kFullHeight = 459;
} // namespace

void BallPages::showNipple()
{
    fitting->resize(fitting->width(), kTopStrip);
    nipple->resize(kPageWidth, kPageHeight);
    nut->resize(0, 0);
}

void BallPages::showNut()
{
    fitting->resize(fitting->width(), kTopStrip);
    nut->resize(kPageWidth, kPageHeight);
    nipple->resize(0, 0);
}

void BallPages::showFitting()
{
    fitting->resize(fitting->width(), kFullHeight);
    nipple->resize(0, 0);
    nut->resize(0, 0);
}

} // namespace pipes
