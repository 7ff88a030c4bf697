#include "machines/patriot/patriot_family.h"

#include "shell/sound.h"

namespace patriot {

namespace {

const char* const bars[colourCount] = {"barred", "2barwhite", "3barblue"};

// The arrow pictures of each bar on the deluxe machine (the white bar only
// points up).
const std::vector<std::string> arrowBars[colourCount] = {
    {"barred", "arrowdown_barred", "arrowup_barred"},
    {"2barwhite", "arrowup_2barwhite"},
    {"3barblue", "arrowdown_3barblue", "arrowup_3barblue"},
};

// One position of a mixed entry: a colour's bar or its seven.
struct Position {
    int colour;
    bool seven;
};

void addPosition(ThreeReelMachine& m, PayRule& rule, int reel, const Position& p, const MixedPayOptions& o) {
    if (p.seven) {
        rule.addSymbol(reel, m.findSymbol(o.sevens[p.colour]));
        return;
    }
    for (const std::string& n : barNames(p.colour, o.arrowBars)) rule.addSymbol(reel, m.findSymbol(n));
}

void addEntry(ThreeReelMachine& m, PayRule& rule, int award, const Position (&reels)[3],
              const MixedPayOptions& o, int supersededFrom) {
    rule.setAward(award);
    for (int reel = 0; reel < 3; ++reel) addPosition(m, rule, reel, reels[reel], o);
    if (supersededFrom != -1) rule.setSupersededFromCoins(supersededFrom);
    m.payRules.push_back(rule);
    rule.reset();
}

bool redWhiteBlue(int a, int b, int c) { return a == 0 && b == 1 && c == 2; }

// Every ordered colour triple but the three of one colour, reel 0 counting
// most.
template <class Each>
void forMixedTriples(Each each) {
    for (int a = 0; a < colourCount; ++a)
        for (int b = 0; b < colourCount; ++b)
            for (int c = 0; c < colourCount; ++c)
                if (!(a == b && b == c)) each(a, b, c);
}

}  // namespace

std::vector<std::string> barNames(int colour, bool withArrows) {
    if (colour < 0 || colour >= colourCount) return {};
    if (withArrows) return arrowBars[colour];
    return {bars[colour]};
}

void addMixedPayList(ThreeReelMachine& m, const MixedPayOptions& o) {
    PayRule rule;
    rule.reset();

    forMixedTriples([&](int a, int b, int c) {
        const Position reels[3] = {{a, false}, {b, false}, {c, false}};
        addEntry(m, rule, redWhiteBlue(a, b, c) ? 50 : 5, reels, o, -1);
    });

    // Red on reel 0, white on reel 1, blue on reel 2, each a bar or a seven,
    // neither all bars nor all sevens.
    const bool sequence[6][3] = {
        {false, false, true}, {false, true, true}, {false, true, false},
        {true, true, false},  {true, false, false}, {true, false, true},
    };
    for (const auto& s : sequence) {
        const Position reels[3] = {{0, s[0]}, {1, s[1]}, {2, s[2]}};
        addEntry(m, rule, 20, reels, o, -1);
    }

    forMixedTriples([&](int a, int b, int c) {
        const Position reels[3] = {{a, true}, {b, true}, {c, true}};
        if (redWhiteBlue(a, b, c)) addEntry(m, rule, o.topAward, reels, o, o.topSupersededFrom);
        else addEntry(m, rule, 80, reels, o, -1);
    });
}

void addColourLines(ThreeReelMachine& m, const ColourLines& lines) {
    m.addThreeOfAKind(m.symbolList({"blank"}), 1, 0);
    for (int colour = colourCount - 1; colour >= 0; --colour) {
        std::vector<std::string> names = lines.bars[colour];
        names.push_back(lines.sevens[colour]);
        m.addGroupRule(m.symbolList(names), 2);
    }
    for (int colour = 0; colour < colourCount; ++colour)
        m.addThreeOfAKind(m.symbolList(lines.bars[colour]), lines.barPays[colour], 0);
    for (int colour = colourCount - 1; colour >= 0; --colour)
        m.addThreeOfAKind(m.symbolList({lines.sevens[colour]}), lines.sevenPays[colour], 0);
}

ColourLines plainColourLines(const int (&barPays)[colourCount], const int (&sevenPays)[colourCount]) {
    ColourLines lines{{{bars[0]}, {bars[1]}, {bars[2]}}, {"redseven", "whiteseven", "blueseven"}, {}, {}};
    for (int colour = 0; colour < colourCount; ++colour) {
        lines.barPays[colour] = barPays[colour];
        lines.sevenPays[colour] = sevenPays[colour];
    }
    return lines;
}

void addWild(ThreeReelMachine& m, int multiplier, const std::vector<std::string>& except) {
    WildSymbol* wild = m.addWildSymbol();
    wild->setMultiplier(multiplier);
    wild->addSubstitutesExcept(m.symbols, m.symbolList(except));
}

void configureMachine(ThreeReelMachine& m, const char* id, int maxCoins, float value) {
    m.name = id;
    m.multiplyByCoins = true;
    m.payoutRatio = 0.95f;
    m.maxCoins = maxCoins;
    m.denomination = nullptr;
    m.setDenomination(value);
    m.init();
}

void playIntroSound() {
    if (soundPlayer) soundPlayer->play("patshrt.wav", false);
}

void playWinSound(int win) {
    if (!soundPlayer) return;
    if (win > 80) soundPlayer->play("patjack.wav", false);
    else if (win > 10) soundPlayer->play("patshrt.wav", false);
}

void playStopSound(const Symbol* shown, bool spinSymbol) {
    if (!shown || !soundPlayer) return;
    if (shown->name == "wild") soundPlayer->play("shrtwrks.wav", false);
    else if (spinSymbol && shown->name == "spin") soundPlayer->play("holeinone.wav", false);
}

}  // namespace patriot
