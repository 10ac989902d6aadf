#include "CaptionTable.h"

namespace tamberlo {

namespace {
constexpr CaptionRow kRows[] = {
    {"", "", ""},  // filled in with the window's controls
};
}  // namespace

CaptionTable mainWindowCaptions() { return {kRows, 0}; }

}  // namespace tamberlo
