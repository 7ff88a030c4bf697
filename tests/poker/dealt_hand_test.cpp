// A dealt hand is an outcome. From the deal on, the save file holds the hand
// as it stands, all five cards held and none replaced; a game killed there,
// a window closed, a stop signal or Escape all leave what holding all five
// and drawing pays, and nothing more is drawn or shown (no free look, no
// double-up, no wheel turning). On Spin for Cash a dealt hand that turns the
// cash wheel is kept with the wheel's prize, drawn at the deal, and the
// wheel shown after holding all five stops on it. The draw replaces the
// dealt hand: the file then holds only the hand that was drawn.
#include <climits>
#include <csignal>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "game/machine_factory.h"
#include "player/save_files.h"
#include "poker/poker_fixture.h"
#include "shell/image.h"
#include "support/runtime.h"

using namespace pokertest;

namespace {

// A hand a seed deals at five coins, and what it pays by the machine's table.
struct Dealt {
    const char* id;
    uint32_t seed;
    const char* cards;
    int pay;
};

// 10-10-10-K-K: a full house. Double Premium (and the double-up machine,
// which pays by it) gives 20 a coin, Jacks or Better (spin for cash) 8 and
// Deuces Wild 4; a pair of eights pays nothing where a pair must be jacks.
const Dealt kFullHouse = {"doublepremium", 79, "Td Ts Tc Kh Ks", 100};
const Dealt kNothing = {"doublepremium", 1, "8d Jc 5s 3d 8s", 0};
const Dealt kDealtHands[] = {kFullHouse,
                             kNothing,
                             {"doubleupbonus", 79, "Td Ts Tc Kh Ks", 100},
                             {"deuceswild", 79, "Td Ts Tc Kh Ks", 20}};
// On Spin for Cash the full house turns the cash wheel: 40 coins and the
// wheel's prize (SpinForCashKeepsTheWheelsPrizeWithTheDealtHand).
const Dealt kWheelHand = {"spinforcash", 79, "Td Ts Tc Kh Ks", 40};

std::string handText(const VideoPoker& m) {
    std::string text;
    for (const Card* c : m.hand) {
        if (!text.empty()) text += ' ';
        text += std::string("X-23456789TJQKA")[c->rank];
        text += std::string("hscd")[c->suit];
    }
    return text;
}

// The current player's record of a machine as it was before any play.
void freshRecord(const std::string& machineId) {
    MachineStats* record = currentPlayer->findStats(machineId);
    ASSERT_NE(record, nullptr);
    record->reset();
    record->id = machineId;
}

// What a save file holds of the player's money and one machine's record.
struct Kept {
    double money = -1, vippoints = -1, totalwon = -1, totalloss = -1;
    long won = -1, lost = -1, largest = -1, highPays = -1, lowPays = -1;
};

Kept keptIn(const std::string& player, const std::string& machineId) {
    Kept k;
    FileConfig file = savefiles::saved(player, player);
    k.money = file.readEntry("money", -1.0);
    k.vippoints = file.readEntry("vippoints", -1.0);
    file.setCurrentPath(machineId);
    k.totalwon = file.readEntry("totalwon", -1.0);
    k.totalloss = file.readEntry("totalloss", -1.0);
    k.won = file.readEntry("spinswon", -1L);
    k.lost = file.readEntry("spinslost", -1L);
    k.largest = file.readEntry("largestsinglewin", -1L);
    k.highPays = file.readEntry("numberofhighpays", -1L);
    k.lowPays = file.readEntry("numberoflowpays", -1L);
    return k;
}

// One hand of five coins at $1 that paid `pay` coins, the only play on the
// machine, over `moneyBefore` dollars: the statistics as the rules count it
// (a pay above 20 coins is a high pay).
void expectOneHand(const Kept& k, double moneyBefore, int pay) {
    EXPECT_EQ(k.money, moneyBefore - 5 + pay);
    EXPECT_EQ(k.totalloss, 5.0);
    EXPECT_EQ(k.totalwon, pay);
    EXPECT_EQ(k.won, pay > 0 ? 1 : 0);
    EXPECT_EQ(k.lost, pay > 0 ? 0 : 1);
    EXPECT_EQ(k.largest, pay);
    EXPECT_EQ(k.highPays, pay > 20 ? 1 : 0);
    EXPECT_EQ(k.lowPays, pay > 0 && pay <= 20 ? 1 : 0);
}

}  // namespace

// The file right after the deal is what a kill leaves; Escape then leaves
// the same, and the player's account and record in memory agree.
TEST_F(PokerTest, KillOrEscapeBeforeTheDrawLeaveTheDealtHandsOwnPay) {
    for (const Dealt& row : kDealtHands) {
        SCOPED_TRACE(std::string(row.id) + " seed " + std::to_string(row.seed));
        currentPlayer->money = 1000.0;
        currentPlayer->vippoints = 0.0;
        freshRecord(row.id);
        clearLoadedAssets();
        std::unique_ptr<VideoPoker> m(openMachine<VideoPoker>(row.id, "100"));
        ASSERT_NE(m, nullptr);
        sgenrand(row.seed);
        m->handleEvent(testrt::keyEvent(SDLK_m));
        ASSERT_TRUE(m->handOut);
        ASSERT_EQ(handText(*m), row.cards);
        const std::vector<Card*> dealt = m->hand;

        // Killed now.
        const Kept killed = keptIn(currentPlayer->name, row.id);
        expectOneHand(killed, 1000.0, row.pay);
        EXPECT_EQ(killed.vippoints, 5.0) << "the bet's points, earned at the deal";

        m->handleEvent(testrt::keyEvent(SDLK_ESCAPE));
        ASSERT_NE(m->next, nullptr);
        EXPECT_EQ(m->next->name, "lobby");
        EXPECT_EQ(m->hand, dealt) << "leaving draws no card";
        EXPECT_FALSE(assetTried(m->graphicsDir + "doubleup.png")) << "no double-up is offered";
        EXPECT_FALSE(heard("wheelseq.wav")) << "no cash wheel turns";
        EXPECT_EQ(m->credits, 0);
        EXPECT_EQ(currentPlayer->money, 1000.0 - 5 + row.pay);
        const MachineStats* record = currentPlayer->findStats(row.id);
        EXPECT_EQ(record->spinswon + record->spinslost, 1);
        EXPECT_EQ(record->largestsinglewin, row.pay);
        m.reset();
        const Kept left = keptIn(currentPlayer->name, row.id);
        expectOneHand(left, 1000.0, row.pay);
        EXPECT_EQ(left.vippoints, 5.0);
    }
}

// The draw replaces the dealt hand: money, statistics and points are those
// of the hand drawn, as if the dealt one had never been kept.
TEST_F(PokerTest, TheDrawReplacesTheKeptHand) {
    struct Draw {
        std::vector<int> holds;
        const char* drawn;
        int pay;
    };
    // From the full house: throwing all five away draws a pair of sevens
    // (nothing); keeping the three tens draws a queen and a king, three of a
    // kind at 3 a coin.
    const Draw draws[] = {{{}, "Qc Kd 7d Jh 7c", 0}, {{0, 1, 2}, "Td Ts Tc Qc Kd", 15}};
    for (const Draw& d : draws) {
        SCOPED_TRACE(d.drawn);
        currentPlayer->money = 1000.0;
        currentPlayer->vippoints = 0.0;
        freshRecord(kFullHouse.id);
        std::unique_ptr<VideoPoker> m(openMachine<VideoPoker>(kFullHouse.id, "100"));
        sgenrand(kFullHouse.seed);
        m->handleEvent(testrt::keyEvent(SDLK_m));
        ASSERT_EQ(handText(*m), kFullHouse.cards);
        expectOneHand(keptIn(currentPlayer->name, kFullHouse.id), 1000.0, kFullHouse.pay);
        for (int position : d.holds) press(*m, "hold" + std::to_string(position));
        m->handleEvent(testrt::keyEvent(SDLK_RETURN));
        ASSERT_FALSE(m->handOut);
        EXPECT_EQ(handText(*m), d.drawn);
        EXPECT_EQ(m->credits, 100 - 5 + d.pay);

        const Kept drawn = keptIn(currentPlayer->name, kFullHouse.id);
        expectOneHand(drawn, 1000.0, d.pay);
        EXPECT_EQ(drawn.vippoints, 5.0);
        const MachineStats* record = currentPlayer->findStats(kFullHouse.id);
        EXPECT_EQ(record->spinswon, d.pay > 0 ? 1 : 0);
        EXPECT_EQ(record->spinslost, d.pay > 0 ? 0 : 1);
        EXPECT_EQ(record->largestsinglewin, d.pay) << "the dealt full house is not a win of its own";
        EXPECT_EQ(record->numberofhighpays, 0);

        // Leaving after the draw settles nothing more.
        m->handleEvent(testrt::keyEvent(SDLK_ESCAPE));
        m.reset();
        expectOneHand(keptIn(currentPlayer->name, kFullHouse.id), 1000.0, d.pay);
        EXPECT_EQ(currentPlayer->money, 1000.0 - 5 + d.pay);
    }
}

namespace {

const char* const kCloser = "Deal_Close";

// How a play is left after its deal.
enum class Cut { holdAllAndDraw, kill, escape, windowClose, stopSignal };

// The whole game on a poker machine with $20 of credits over $20 in the
// account: a seeded deal, then the cut (a kill is the file read right after
// the deal; the game then closes). Returns the save file as the game left it.
Kept cutAfterTheDeal(const Dealt& row, Cut cut) {
    savefiles::returningPlayer(kCloser, "male", "40");
    testrt::runFast();
    testrt::startGame();
    testrt::typeMoney("20");
    std::unique_ptr<Screen> made = createMachine(row.id, 1.0f);
    auto* m = dynamic_cast<VideoPoker*>(made.get());
    EXPECT_NE(m, nullptr) << row.id;
    if (!m) {
        testrt::stopGame();
        return Kept();
    }
    theApp->setScreen(std::move(made));
    sgenrand(row.seed);
    m->handleEvent(testrt::keyEvent(SDLK_m));
    EXPECT_TRUE(m->handOut);
    EXPECT_EQ(handText(*m), row.cards);
    Kept killed;
    switch (cut) {
    case Cut::holdAllAndDraw:
        for (int position = 0; position < 5; ++position) press(*m, "hold" + std::to_string(position));
        m->handleEvent(testrt::keyEvent(SDLK_RETURN));
        EXPECT_FALSE(m->handOut);
        break;
    case Cut::kill:
        killed = keptIn(kCloser, row.id);
        break;
    case Cut::escape:
        m->handleEvent(testrt::keyEvent(SDLK_ESCAPE));
        break;
    case Cut::windowClose:
        break;
    case Cut::stopSignal:
        installStopSignalHandlers();
        std::raise(SIGTERM);
        break;
    }
    if (cut != Cut::stopSignal) testrt::pushQuit();
    EXPECT_EQ(runFrameLoop(), 0);
    testrt::stopGame();
    if (cut == Cut::stopSignal)
        for (int stop : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) std::signal(stop, SIG_DFL);
    clearQuitRequest();
    testrt::drainEvents();
    return cut == Cut::kill ? killed : keptIn(kCloser, row.id);
}

// Pixels that differ between two display-format copies of one screen area.
int pixelsOff(SDL_Surface* a, SDL_Surface* b) {
    if (!a || !b || a->w != b->w || a->h != b->h) return INT_MAX;
    const int bytes = a->format->BytesPerPixel;
    int off = 0;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            off += std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch + x * bytes,
                               static_cast<Uint8*>(b->pixels) + y * b->pitch + x * bytes, bytes) != 0;
    return off;
}

// The frame the cash wheel's screen shows: the one whose picture, drawn over
// "bonus.png" as the screen draws them, comes closest to the wheel's area as
// it stands (the frames are drawn over each other, so a few pixels at the
// rim are left from earlier ones); -1 when none comes within 1%. The screen
// is put back as it was.
int cashWheelFrameShown() {
    const PrizeWheelSpec& spec = cashWheel();
    Image first(spec.folder + spec.wheelName + ".png.0", true, false);
    const SDL_Rect area = {static_cast<Sint16>(spec.x), static_cast<Sint16>(spec.y),
                           static_cast<Uint16>(first.width()), static_cast<Uint16>(first.height())};
    const SurfacePtr screen = display->copyScreen();
    const SurfacePtr shown = display->copyRegion(area);
    int closest = -1, least = area.w * area.h / 100;
    for (int frame = 0; frame < spec.frameCount; ++frame) {
        Image background(spec.folder + "bonus.png", false, false);
        Image picture(spec.folder + spec.wheelName + ".png." + std::to_string(frame), true, false);
        background.blit(0, 0);
        picture.blit(spec.x, spec.y);
        const int off = pixelsOff(display->copyRegion(area).get(), shown.get());
        if (off < least) least = off, closest = frame;
    }
    display->blitFullScreen(screen.get());
    return closest;
}

}  // namespace

TEST(DealtHand, AWindowCloseOrStopSignalBeforeTheDrawLeavesTheDealtHandsOwnPay) {
    for (const Dealt& row : {kFullHouse, kNothing}) {
        for (Cut cut : {Cut::windowClose, Cut::stopSignal}) {
            SCOPED_TRACE(std::string(row.id) + " seed " + std::to_string(row.seed) +
                         (cut == Cut::stopSignal ? " stop signal" : " window close"));
            expectOneHand(cutAfterTheDeal(row, cut), 40.0, row.pay);
        }
    }
}

// Spin for Cash, five coins, seed 79: a full house dealt, which turns the
// cash wheel. Held whole and drawn, it wins 40 coins and a prize of the
// wheel, and the wheel shown stops on a field of that prize; every cut
// before the draw leaves the same file, prize and all, with no wheel shown.
TEST(DealtHand, SpinForCashKeepsTheWheelsPrizeWithTheDealtHand) {
    std::set<int> prizes;
    for (const WheelStop& s : cashWheel().stops) prizes.insert(s.prize);

    // The wheel as it stands through the pause after its spin.
    int framesShown = 0, frame = -1;
    testClock.atPause = [&](Uint32 ms) {
        if (ms != 4000 || !display || !display->savedScreen) return;
        ++framesShown;
        frame = cashWheelFrameShown();
    };
    const Kept drawn = cutAfterTheDeal(kWheelHand, Cut::holdAllAndDraw);
    testClock.atPause = nullptr;
    // $20 on the machine over $20 in the account; five $1 coins bet.
    const int prize = static_cast<int>(drawn.money - (40.0 - 5 + kWheelHand.pay));
    ASSERT_EQ(prizes.count(prize), 1u) << "held and drawn, the full house wins 40 and a prize: " << drawn.money;
    expectOneHand(drawn, 40.0, kWheelHand.pay + prize);
    ASSERT_EQ(framesShown, 1) << "the wheel turned once";
    EXPECT_EQ(wheelPrizeAt(cashWheel(), frame), prize) << "the wheel stands on frame " << frame;

    for (Cut cut : {Cut::kill, Cut::escape, Cut::windowClose, Cut::stopSignal}) {
        SCOPED_TRACE(static_cast<int>(cut));
        clearLoadedAssets();
        const Kept cutShort = cutAfterTheDeal(kWheelHand, cut);
        expectOneHand(cutShort, 40.0, kWheelHand.pay + prize);
        EXPECT_EQ(cutShort.vippoints, drawn.vippoints);
        EXPECT_FALSE(heard("wheelseq.wav")) << "no wheel turns";
    }
}

// The dealt hand is in the save file before any of its cards shows: at the
// first card face drawn (and the pause after it) the file holds it already.
TEST_F(PokerTest, TheDealtHandIsKeptBeforeItsFirstCardShows) {
    currentPlayer->money = 1000.0;
    currentPlayer->vippoints = 0.0;
    freshRecord(kFullHouse.id);
    std::unique_ptr<VideoPoker> m(openMachine<VideoPoker>(kFullHouse.id, "100"));
    clearLoadedAssets();
    bool faceShown = false;
    Kept atFirstFace;
    testClock.atPause = [&](Uint32) {
        if (faceShown) return;
        for (const std::string& asset : loadedAssets())
            faceShown = faceShown || asset.compare(0, 19, "../gfx/poker/cards/") == 0;
        if (faceShown) atFirstFace = keptIn(currentPlayer->name, kFullHouse.id);
    };
    sgenrand(kFullHouse.seed);
    m->handleEvent(testrt::keyEvent(SDLK_m));
    testClock.atPause = nullptr;
    ASSERT_EQ(handText(*m), kFullHouse.cards);
    ASSERT_TRUE(faceShown);
    expectOneHand(atFirstFace, 1000.0, kFullHouse.pay);
}

namespace {

// A Spin for Cash play of five $1 coins ($20 on the machine over $20 in the
// account) from a seeded deal: the cards at `holds` held, Return, and the
// play run to its end. `moments` gets the save file at every pause and rest
// from Return on (what a kill there leaves); `frame` the wheel's frame at
// its four-second stop (-1 when no wheel turned).
struct WheelDraw {
    std::string drawn;
    Kept end;
    std::vector<Kept> moments;
    int wheelStops = 0;
    int frame = -1;
};

WheelDraw drawAfterTheDeal(uint32_t seed, const char* dealt, const std::vector<int>& holds) {
    WheelDraw out;
    savefiles::returningPlayer(kCloser, "male", "40");
    testrt::runFast();
    testrt::startGame();
    testrt::typeMoney("20");
    std::unique_ptr<Screen> made = createMachine("spinforcash", 1.0f);
    auto* m = dynamic_cast<VideoPoker*>(made.get());
    EXPECT_NE(m, nullptr);
    if (!m) {
        testrt::stopGame();
        return out;
    }
    theApp->setScreen(std::move(made));
    sgenrand(seed);
    m->handleEvent(testrt::keyEvent(SDLK_m));
    EXPECT_EQ(handText(*m), dealt);
    for (int position : holds) press(*m, "hold" + std::to_string(position));
    const auto look = [&](Uint32) { out.moments.push_back(keptIn(kCloser, "spinforcash")); };
    testClock.atRest = look;
    testClock.atPause = [&](Uint32 ms) {
        look(ms);
        if (ms != 4000 || !display || !display->savedScreen) return;
        ++out.wheelStops;
        out.frame = cashWheelFrameShown();
    };
    m->handleEvent(testrt::keyEvent(SDLK_RETURN));
    testClock.atRest = nullptr;
    testClock.atPause = nullptr;
    EXPECT_FALSE(m->handOut);
    out.drawn = handText(*m);
    testrt::pushQuit();
    EXPECT_EQ(runFrameLoop(), 0);
    testrt::stopGame();
    clearQuitRequest();
    testrt::drainEvents();
    out.end = keptIn(kCloser, "spinforcash");
    return out;
}

void expectSameFile(const Kept& a, const Kept& b) {
    EXPECT_EQ(a.money, b.money);
    EXPECT_EQ(a.vippoints, b.vippoints);
    EXPECT_EQ(a.totalwon, b.totalwon);
    EXPECT_EQ(a.totalloss, b.totalloss);
    EXPECT_EQ(a.won, b.won);
    EXPECT_EQ(a.lost, b.lost);
    EXPECT_EQ(a.largest, b.largest);
    EXPECT_EQ(a.highPays, b.highPays);
    EXPECT_EQ(a.lowPays, b.lowPays);
}

}  // namespace

// A hand that turns the wheel only after the draw draws the wheel's spin
// with the draw: from Return on, through the cards turning, the wheel's
// spin and its pause, the file holds the hand's pay and the prize, what the
// play run to its end leaves, and the wheel stops on a frame of that prize.
TEST(DrawnHand, SpinForCashKeepsAWheelWonByTheDrawFromTheDrawOn) {
    std::set<int> prizes;
    for (const WheelStop& s : cashWheel().stops) prizes.insert(s.prize);
    struct Row {
        uint32_t seed;
        const char* dealt;
        std::vector<int> holds;
    };
    // Three kings held; aces and kings held. Either draw makes a
    // full house (8 a coin, 40 coins at five), which turns the wheel.
    const Row rows[] = {{421, "Td As Ks Kh Kc", {2, 3, 4}}, {214, "Kc As 5c Ac Kh", {0, 1, 3, 4}}};
    for (const Row& row : rows) {
        SCOPED_TRACE("seed " + std::to_string(row.seed));
        clearLoadedAssets();
        const WheelDraw play = drawAfterTheDeal(row.seed, row.dealt, row.holds);
        const int prize = static_cast<int>(play.end.money - (40.0 - 5 + 40));
        ASSERT_EQ(prizes.count(prize), 1u) << "the drawn full house wins 40 and a prize: " << play.end.money
                                           << " (" << play.drawn << ")";
        expectOneHand(play.end, 40.0, 40 + prize);
        EXPECT_EQ(play.end.vippoints, 5.0);
        ASSERT_EQ(play.wheelStops, 1) << "the wheel turned once";
        EXPECT_EQ(wheelPrizeAt(cashWheel(), play.frame), prize) << "the wheel stands on frame " << play.frame;
        ASSERT_GT(play.moments.size(), 10u);
        for (size_t i = 0; i < play.moments.size(); ++i) {
            SCOPED_TRACE("moment " + std::to_string(i));
            expectSameFile(play.moments[i], play.end);
        }
    }
}

// A dealt full house draws the play's spin at the deal; thrown away for a
// hand that does not turn the wheel, the prize is gone: from Return on the
// file holds what the drawn hand alone pays.
TEST(DrawnHand, SpinForCashPaysNoPrizeToADrawnHandThatDoesNotTurnTheWheel) {
    clearLoadedAssets();
    const WheelDraw play = drawAfterTheDeal(kWheelHand.seed, kWheelHand.cards, {});
    EXPECT_EQ(play.wheelStops, 0) << "no wheel turns";
    EXPECT_FALSE(heard("wheelseq.wav"));
    // Three sevens: three of a kind pays 2 a coin at Jacks or Better's pays.
    ASSERT_EQ(play.drawn, "Kd 7d Jh 7c 7h");
    expectOneHand(play.end, 40.0, 10);
    ASSERT_GT(play.moments.size(), 3u);
    for (size_t i = 0; i < play.moments.size(); ++i) {
        SCOPED_TRACE("moment " + std::to_string(i));
        expectSameFile(play.moments[i], play.end);
    }
}
