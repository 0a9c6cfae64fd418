// Compiles uic's headers of the form descriptions once, so that a form whose
// properties the toolkit lacks fails here, in its own target.
#include "ui_about_box.h"
#include "ui_dlg_pictor.h"
#include "ui_image_attributes.h"
