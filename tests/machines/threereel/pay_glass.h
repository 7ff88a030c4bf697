// Reading a three-reel machine's pay glass from its art recipe: the
// cabinet item drawn on back.png, and the amounts of its pay rows.
#pragma once

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace payglass {

// The cabinet item of a machine's art recipe: its text from kind="cabinet"
// up to the symbol set that follows it.
inline std::string cabinetRecipe(const std::string& id) {
    std::ifstream in(std::string(CORVALO_ROOT) + "/assetgen/recipes/machines/" + id + ".py");
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    const size_t start = text.find("kind=\"cabinet\"");
    if (start == std::string::npos) return "";
    const size_t end = text.find("kind=\"symbolset\"", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The amounts of the glass's pay rows, repeats kept.
inline std::multiset<int> payRowAmounts(const std::string& cabinet) {
    std::multiset<int> out;
    const size_t pays = cabinet.find("pays=[");
    if (pays == std::string::npos) return out;
    const size_t end = cabinet.find("]],", pays);
    const std::string rows = cabinet.substr(pays, end == std::string::npos ? std::string::npos : end + 2 - pays);
    // ["label", amount] or ["label", amount, "the symbols the bottom glass shows"]
    static const std::regex row("\\[\\s*\"[^\"]*\"\\s*,\\s*(\\d+)\\s*(?:,\\s*\"[^\"]*\"\\s*)?\\]");
    for (std::sregex_iterator it(rows.begin(), rows.end(), row), none; it != none; ++it)
        out.insert(std::stoi((*it)[1].str()));
    return out;
}

}  // namespace payglass
