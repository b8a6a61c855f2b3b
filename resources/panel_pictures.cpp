#include "resources/panel_pictures.h"

#include <QtGlobal>

// Outside any namespace, as the resource's initialiser is.
static void initPanelPictures()
{
    Q_INIT_RESOURCE(panel_pictures);
}

namespace resources {

void registerPanelPictures()
{
    initPanelPictures();
}

} // namespace resources
