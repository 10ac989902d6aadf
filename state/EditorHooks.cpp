#include "EditorHooks.h"

namespace tamberlo {

OpenEditor openEditor;
ExplanatoryPictureHooks explanatoryPicture;

}  // namespace tamberlo
