#include "CaptionTable.h"

#include "SharedState.h"

namespace tamberlo {

const CaptionRow* findCaption(CaptionTable table, std::string_view control) {
    for (const CaptionRow& row : table)
        if (control == row.control) return &row;
    return nullptr;
}

QString captionOf(CaptionTable table, std::string_view control) {
    const CaptionRow* row = findCaption(table, control);
    if (!row) return {};
    return QString::fromUtf8(shared.TaalVlag ? row->english : row->dutch);
}

}  // namespace tamberlo
