// Reading a three-reel machine's pay glass from its art recipe: the
// cabinet item drawn on back.png, and the amounts of its pay rows.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace payglass {

// A recipe file of the art generator ("machines/magic", "_patriot").
inline std::string recipeText(const std::string& name) {
    std::ifstream in(std::string(CORVALO_ROOT) + "/assetgen/recipes/" + name + ".py");
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// The whole numbers of a text that stand in the pattern's first group.
inline std::multiset<int> numbers(const std::string& text, const std::regex& pattern) {
    std::multiset<int> out;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), none; it != none; ++it)
        out.insert(std::stoi((*it)[1].str()));
    return out;
}

// The cabinet item of a machine's art recipe: its text from kind="cabinet"
// up to the symbol set that follows it.
inline std::string cabinetRecipe(const std::string& id) {
    const std::string text = recipeText("machines/" + id);
    const size_t start = text.find("kind=\"cabinet\"");
    if (start == std::string::npos) return "";
    const size_t end = text.find("kind=\"symbolset\"", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The amounts of the glass's pay rows, repeats kept.
inline std::multiset<int> payRowAmounts(const std::string& cabinet) {
    const size_t pays = cabinet.find("pays=[");
    if (pays == std::string::npos) return {};
    const size_t end = cabinet.find("]],", pays);
    const std::string rows = cabinet.substr(pays, end == std::string::npos ? std::string::npos : end + 2 - pays);
    // ["label", amount] or ["label", amount, "the symbols the bottom glass shows"]
    static const std::regex row("\\[\\s*\"[^\"]*\"\\s*,\\s*(\\d+)\\s*(?:,\\s*\"[^\"]*\"\\s*)?\\]");
    return numbers(rows, row);
}

// The symbols a glass row shows as pictures ([label, amount, "wild wild
// wild"]) are the machine's own.
template <class Symbols>
void expectOwnSymbols(const std::string& recipe, const Symbols& symbols, const std::string& id) {
    std::set<std::string> names;
    for (const auto* s : symbols) names.insert(s->name);
    static const std::regex shown("\\[\\s*['\"][^'\"]*['\"]\\s*,\\s*['\"]?\\w+['\"]?\\s*,\\s*\"([^\"]+)\"\\s*\\]");
    for (std::sregex_iterator it(recipe.begin(), recipe.end(), shown), none; it != none; ++it) {
        std::istringstream words((*it)[1].str());
        for (std::string w; words >> w;) EXPECT_TRUE(names.count(w)) << id << " glass shows " << w;
    }
}

}  // namespace payglass
