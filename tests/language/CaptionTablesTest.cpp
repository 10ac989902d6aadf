// Every caption table against a copy of its texts written out by hand: the
// windows and the other tests take their texts from the tables, so only an
// independent copy notices a wrong text.
#include "CaptionTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace tamberlo;

namespace {

// The golden file: a "[table]" line, then one "control<TAB>dutch<TAB>english" line per row.
std::map<std::string, std::vector<std::string>> ReadGoldenCaptions() {
    std::map<std::string, std::vector<std::string>> tables;
    std::ifstream f(std::string(TAMBERLO_TEST_DATA) + "/golden/captions.txt", std::ios::binary);
    std::string table;
    for (std::string line; std::getline(f, line);) {
        if (line.starts_with('[')) table = line.substr(1, line.size() - 2);
        else if (!line.empty()) tables[table].push_back(line);
    }
    return tables;
}

std::vector<std::string> Rows(CaptionTable table) {
    std::vector<std::string> rows;
    for (const CaptionRow& r : table) rows.push_back(std::string(r.control) + '\t' + r.dutch + '\t' + r.english);
    return rows;
}

}  // namespace

TEST(CaptionTables, EveryTextIsTheOneWrittenDown) {
    const auto golden = ReadGoldenCaptions();
    ASSERT_EQ(golden.size(), 5u);
    EXPECT_EQ(Rows(mainWindowCaptions()), golden.at("main window"));
    EXPECT_EQ(Rows(conditionEditorCaptions()), golden.at("condition editor"));
    EXPECT_EQ(Rows(actionEditorCaptions()), golden.at("action editor"));
    EXPECT_EQ(Rows(dashboardCaptions()), golden.at("dashboard"));
    EXPECT_EQ(Rows(settingsCaptions()), golden.at("settings"));
}
