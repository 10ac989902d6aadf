#!/bin/sh
# The layer check on a small tree of its own: the clean tree passes, and each
# include planted against the layers, in any spelling the compiler takes, is
# reported with the file that holds it.
#
#   CheckLayersTest.sh <check-layers.sh>
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failed=0

# One header (with its source) per folder the rules name.
for unit in app/StartUp print/PrintRun editor/common/CellTexts editor/conditions/ConditionEditor \
    editor/actions/ActionEditor language/CaptionTable state/SharedState platform/Dialogs control/Channel \
    run/dashboard/Dashboard run/engine/ScanLoop run/search/Detection run/links/ArduinoLink run/common/RunTypes; do
    mkdir -p "$tree/$(dirname "$unit")"
    printf '#pragma once\n' >"$tree/$unit.h"
    printf '#include "%s.h"\n' "$(basename "$unit")" >"$tree/$unit.cpp"
done
# Includes that keep to the layers, in the odd spellings too.
printf '#include "ScanLoop.h"\n#include "PrintRun.h"\n' >>"$tree/app/StartUp.cpp"
printf '#include "ConditionEditor.h"\n#include "CellTexts.h"\n#include "CaptionTable.h"\n' >>"$tree/print/PrintRun.cpp"
printf '#  include "CellTexts.h"\n #include <SharedState.h>\n#include <QWidget>\n' >>"$tree/editor/actions/ActionEditor.cpp"
printf '#include "Detection.h"\n#include "ArduinoLink.h"\n' >>"$tree/run/engine/ScanLoop.cpp"
printf '#include "RunTypes.h"\n#include "Dialogs.h"\n' >>"$tree/run/links/ArduinoLink.cpp"
printf '#include "Dialogs.h"\n' >>"$tree/control/Channel.cpp"

if ! out=$(sh "$check" "$tree" 2>&1); then
    echo "the clean tree fails:"
    echo "$out"
    failed=1
fi

# plant <file> <line>: the check fails on the tree with <line> in <file> and names the file.
plant() {
    printf '%s\n' "$2" >"$tree/$1"
    if out=$(sh "$check" "$tree" 2>&1); then
        echo "not reported: '$2' in $1"
        failed=1
    elif ! printf '%s\n' "$out" | grep -qF "$1"; then
        echo "reported without naming $1: $out"
        failed=1
    fi
    rm "$tree/$1"
}
plant editor/conditions/Planted.cpp '#include "PrintRun.h"'
plant editor/actions/Planted.h '#include "StartUp.h"'
plant run/links/Planted.cpp '#  include "ScanLoop.h"'
plant run/links/Planted.cpp ' #include "ScanLoop.h"'
plant run/links/Planted.cpp '#include <ScanLoop.h>'
plant run/common/Planted.h '#	include	"ArduinoLink.h"'
plant editor/common/Planted.h '#include "ConditionEditor.h"'
plant editor/conditions/Planted.cpp '#include "ActionEditor.h"'
plant editor/actions/Planted.cpp '#include "ConditionEditor.h"'
plant language/Planted.h '#include "CellTexts.h"'
plant control/Planted.cpp '#include "SharedState.h"'
exit $failed
