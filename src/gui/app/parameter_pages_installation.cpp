// The parameter pages and the pages of the model (param1, loop, delay, DE1, DE2,
// param2, check, circuit, param3, param4), bound to the parameter form.
#include "app/main_window.h"

namespace quorel::gui {

void TSDIAppForm::installParameterPages()
{
}

}  // namespace quorel::gui
