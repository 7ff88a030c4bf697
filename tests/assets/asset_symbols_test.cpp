// Every picture a three-reel machine can put on a reel must be generated,
// not only the ones a short visit happens to draw: each declared symbol's
// pictures (name.png.0 .. n-1; arrow symbols also their two animation
// steps .1 and .2), each wild's picture, and the spinning-reel frames.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "machine/three_reel.h"
#include "machine/three_reel_rules.h"
#include "shell/screen.h"

namespace {

std::set<std::string> reelPictures(const ThreeReelMachine& m) {
    std::set<std::string> files;
    auto add = [&](const Symbol& s) {
        int count = s.variants < 1 ? 1 : s.variants;
        if (s.kind == symbolArrowUp || s.kind == symbolArrowDown) count = count < 3 ? 3 : count;
        for (int k = 0; k < count; ++k) files.insert(m.graphicsDir + s.name + ".png." + std::to_string(k));
    };
    for (const Symbol* s : m.symbols) add(*s);
    for (const WildSymbol* w : m.wilds) add(*w);
    for (int k = 0; k < 20; ++k) files.insert(m.graphicsDir + "b.png." + std::to_string(k));
    return files;
}

}  // namespace

TEST(ThreeReelPictures, EverySymbolOfEveryBuiltMachineIsGenerated) {
    assettest::Session session;
    ASSERT_TRUE(session.ok());
    int checked = 0;
    std::string report;
    for (const std::string& id : assettest::builtMachineIds()) {
        Screen* s = session.open(id);
        ASSERT_NE(s, nullptr) << id;
        if (auto* m = dynamic_cast<ThreeReelMachine*>(s)) {
            ++checked;
            std::set<std::string> files = reelPictures(*m);
            EXPECT_GT(files.size(), 20u) << id << " declares no symbol";
            for (const std::string& f : assettest::missingFiles(files)) report += "  " + f + "\n";
        }
        session.close(s);
    }
    EXPECT_GT(checked, 0) << "no three-reel machine is built";
    EXPECT_TRUE(report.empty()) << "reel pictures the generator doesn't make:\n" << report;
}
