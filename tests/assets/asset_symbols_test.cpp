// Every picture a three-reel machine can put on a reel is generated, not only
// those a short visit happens to draw: each symbol's pictures (arrows also
// their animation steps .1 and .2), each wild's, and the spinning frames.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "assets/asset_session.h"
#include "machine/three_reel.h"
#include "machine/three_reel_rules.h"
#include "player/machine_table.h"
#include "shell/screen.h"

TEST(ThreeReelPictures, EverySymbolOfEveryMachineIsGenerated) {
    assettest::Session session;
    ASSERT_TRUE(session.ok());
    int checked = 0;
    std::string report;
    for (const MachineInfo& info : machineTable()) {
        Screen* s = session.open(info.id);
        ASSERT_NE(s, nullptr) << info.id;
        if (auto* m = dynamic_cast<ThreeReelMachine*>(s)) {
            ++checked;
            std::set<std::string> files;
            auto add = [&](const Symbol& sym) {
                int count = sym.variants < 1 ? 1 : sym.variants;
                if (sym.kind == symbolArrowUp || sym.kind == symbolArrowDown) count = count < 3 ? 3 : count;
                for (int k = 0; k < count; ++k) files.insert(m->graphicsDir + sym.name + ".png." + std::to_string(k));
            };
            for (const Symbol* sym : m->symbols) add(*sym);
            for (const WildSymbol* w : m->wilds) add(*w);
            for (int k = 0; k < 20; ++k) files.insert(m->graphicsDir + "b.png." + std::to_string(k));
            for (const std::string& f : assettest::missingFiles(files)) report += "  " + f + "\n";
        }
        session.close(s);
    }
    EXPECT_GT(checked, 0);
    EXPECT_EQ("", report) << "reel pictures the generator doesn't make";
}
