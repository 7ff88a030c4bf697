#include "floor/machine_table.h"
#include "derby/demo_derby.h"
#include "poker/poker_machines.h"
#include "machines/threereel/five_x.h"
#include "machines/threereel/ten_x.h"
#include "machines/threereel/mountain_climber.h"
#include "machines/threereel/hole_in_one.h"
#include "machines/threereel/short_circuit.h"
#include "machines/video/baja_7s.h"
#include "machines/video/bits_n_bytes.h"
#include "machines/video/cash_cow.h"
#include "machines/video/egypts_prize.h"
#include "machines/video/five_line_double.h"
#include "machines/video/five_line_triple.h"
#include "machines/video/zookeeper.h"
#include "machines/video/mardi_gras.h"
#include "machines/video/magic.h"
#include "machines/video/balloon_blitz.h"
#include "machines/video/deep_sea.h"
#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/wild_apple.h"
#include "machines/threereel/gloamer_house.h"
#include "machines/threereel/cursed.h"
#include "machines/threereel/blackjack.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/crazy8s.h"
#include "machines/threereel/wild_sour_apple.h"
#include "machines/threereel/super7s.h"
#include "machines/threereel/triple_triple.h"
#include "machines/threereel/triple_dice.h"
#include "machines/threereel/double_triple.h"
#include "machines/threereel/double_double_dice.h"
#include "machines/threereel/double_dice.h"
#include "machines/threereel/double_dice_spin_for_cash.h"
#include "machines/threereel/wheel_of_cash.h"
#include "machines/threereel/gettin_hot.h"
#include "machines/threereel/triple_dice_deluxe.h"
#include "machines/threereel/double_dice_deluxe.h"
#include "machines/threereel/balloon_mania.h"

#include "machines/patriot/patriot_games.h"
#include "machines/patriot/patriot_spin_for_cash.h"
#include "machines/patriot/patriot_wild.h"
#include "machines/patriot/patriot_wild_deluxe.h"

// Machine headers are included here as each machine joins the floor.

namespace {

// One line a machine. The creator is a small lambda that builds the machine
// at a coin value; nullptr where the machine is not on the floor yet.
using C = MachineCategory;

std::vector<MachineInfo> kMachines = {
    // id                       title                          category       creator
    {"10sorbetter",            "10's or better",              C::Poker,      [](float d) -> Screen* { return new TensOrBetter(d); }},
    {"10x",                    "10X",                         C::ThreeReel,  [](float d) -> Screen* { return new TenX(d); }},
    {"4ofakind",               "4 of a Kind",                 C::Poker,      [](float d) -> Screen* { return new FourOfAKind(d); }},
    {"5linedouble",            "5 Ziro Dazuru Ruva",          C::Video,      [](float d) -> Screen* { return new FiveLineDouble(d); }},
    {"5linetriple",            "5 Zadi Zadare Vevi",          C::Video,      [](float d) -> Screen* { return new FiveLineTriple(d); }},
    {"5x",                     "5X",                          C::ThreeReel,  [](float d) -> Screen* { return new FiveX(d); }},
    {"allwild",                "All Wild",                    C::Poker,      [](float d) -> Screen* { return new AllWild(d); }},
    {"baja7s",                 "Vedu 7'r",                    C::Video,      [](float d) -> Screen* { return new Baja7s(d); }},
    {"balloonblitz",           "Ziriruv Uvove",               C::Video,      [](float d) -> Screen* { return new BalloonBlitz(d); }},
    {"balloonmania",           "Revevud Ivevi",               C::ThreeReel,  [](float d) -> Screen* { return new BalloonMania(d); }},
    {"bitsnbytes",             "Duri D Erore",                C::Video,      [](float d) -> Screen* { return new BitsNBytes(d); }},
    {"blackjack",              "Blackjack",                   C::ThreeReel,  [](float d) -> Screen* { return new Blackjack(d); }},
    {"cashcow",                "Vevu Ziz",                    C::Video,      [](float d) -> Screen* { return new CashCow(d); }},
    {"crazy8s",                "Vozer 8'e",                   C::ThreeReel,  [](float d) -> Screen* { return new Crazy8s(d); }},
    {"crazydice",              "Rerod Ozid",                  C::ThreeReel,  [](float d) -> Screen* { return new CrazyDice(d); }},
    {"cursed",                 "Cursed",                      C::ThreeReel,  [](float d) -> Screen* { return new Cursed(d); }},
    {"deepsea",                "Zora Vav Odiderevi",          C::Video,      [](float d) -> Screen* { return new DeepSea(d); }},
    {"demoderby",              "Demolition Derby",            C::Specialty,  [](float d) -> Screen* { return new DemoDerby(d); }},
    {"deuceswild",             "Deuces Wild",                 C::Poker,      [](float d) -> Screen* { return new DeucesWild(d); }},
    {"doubledice",             "Rodozu Vada",                 C::ThreeReel,  [](float d) -> Screen* { return new DoubleDice(d); }},
    {"doubledicedeluxe",       "Revova Rove Ridovo",          C::ThreeReel,  [](float d) -> Screen* { return new DoubleDiceDeluxe(d); }},
    {"doubledicespinforcash",  "Vuzeda Zeva Zari raz Ezoz",   C::ThreeReel,  [](float d) -> Screen* { return new DoubleDiceSpinForCash(d); }},
    {"doubledoubledice",       "Zuzuvo Dazozo Zevi",          C::ThreeReel,  [](float d) -> Screen* { return new DoubleDoubleDice(d); }},
    {"doublepremium",          "Double Premium Poker",        C::Poker,      [](float d) -> Screen* { return new DoublePremium(d); }},
    {"doubletriple",           "Vedizi Vazade",               C::ThreeReel,  [](float d) -> Screen* { return new DoubleTriple(d); }},
    {"doubleupbonus",          "Double Up Premium Poker",     C::Poker,      [](float d) -> Screen* { return new DoubleUpBonus(d); }},
    {"dragonspin",             "Vevuri Zero",                 C::ThreeReel,  [](float d) -> Screen* { return new DragonSpin(d); }},
    {"egyptsprize",            "Rizad'a Zidud",               C::Video,      [](float d) -> Screen* { return new EgyptsPrize(d); }},
    {"gettinhot",              "Rareraz Ure",                 C::ThreeReel,  [](float d) -> Screen* { return new GettinHot(d); }},
    {"holeinone",              "Daru Du Rir",                 C::ThreeReel,  [](float d) -> Screen* { return new HoleInOne(d); }},
    {"jacksorbetter",          "Jacks or Better",             C::Poker,      [](float d) -> Screen* { return new JacksOrBetter(d); }},
    {"jokerswild",             "Jokers Wild",                 C::Poker,      [](float d) -> Screen* { return new JokersWild(d); }},
    {"magic",                  "Magic",                       C::Video,      [](float d) -> Screen* { return new Magic(d); }},
    {"mardigras",              "Zuzod Uriz",                  C::Video,      [](float d) -> Screen* { return new MardiGras(d); }},
    {"mountainclimber",        "Devizezu Dozozed",            C::ThreeReel,  [](float d) -> Screen* { return new MountainClimber(d); }},
    {"patriotgames",           "Zoredud Ozovu",               C::ThreeReel,  [](float d) -> Screen* { return new PatriotGames(d); }},
    {"patriotspinforcash",     "Vazived Irud ovu Vize",       C::ThreeReel,  [](float d) -> Screen* { return new PatriotSpinForCash(d); }},
    {"patriotwild",            "Zezedor Ader",                C::ThreeReel,  [](float d) -> Screen* { return new PatriotWild(d); }},
    {"patriotwilddeluxe",      "Vevovev Ozov Ovevir",         C::ThreeReel,  [](float d) -> Screen* { return new PatriotWildDeluxe(d); }},
    {"gloamerhouse",           "Gloamer House",               C::ThreeReel,  [](float d) -> Screen* { return new GloamerHouse(d); }},
    {"shortcircuit",           "Zoruz Ivivede",               C::ThreeReel,  [](float d) -> Screen* { return new ShortCircuit(d); }},
    {"spinforcash",            "Spin for Cash",               C::Poker,      [](float d) -> Screen* { return new SpinForCash(d); }},
    {"super7s",                "Vuduv 7'a",                   C::ThreeReel,  [](float d) -> Screen* { return new Super7s(d); }},
    {"tripledice",             "Zivivo Vezo",                 C::ThreeReel,  [](float d) -> Screen* { return new TripleDice(d); }},
    {"tripledicedeluxe",       "Vudozu Zuza Dadudu",          C::ThreeReel,  [](float d) -> Screen* { return new TripleDiceDeluxe(d); }},
    {"tripletriple",           "Dedova Zirodu Dari",          C::ThreeReel,  [](float d) -> Screen* { return new TripleTriple(d); }},
    {"wheelofcash",            "Diviz av Ezed",               C::ThreeReel,  [](float d) -> Screen* { return new WheelOfCash(d); }},
    {"wildapple",              "Ravo Zodar",                  C::ThreeReel,  [](float d) -> Screen* { return new WildApple(d); }},
    {"wildsourapple",          "Vozo Rizi Zedod",             C::ThreeReel,  [](float d) -> Screen* { return new WildSourApple(d); }},
    {"zookeeper",              "Zookeeper",                   C::Video,      [](float d) -> Screen* { return new Zookeeper(d); }},
};

}  // namespace

const std::vector<MachineInfo>& machineTable() { return kMachines; }

const MachineInfo* findMachine(const std::string& id) {
    for (const MachineInfo& m : kMachines)
        if (id == m.id) return &m;
    return nullptr;
}

Screen* createMachine(const std::string& id, float denomination) {
    const MachineInfo* m = findMachine(id);
    if (!m || !m->create) return nullptr;
    return m->create(denomination);
}

MachineCreator replaceMachineCreator(const std::string& id, MachineCreator creator) {
    for (MachineInfo& m : kMachines)
        if (id == m.id) {
            MachineCreator old = m.create;
            m.create = creator;
            return old;
        }
    return nullptr;
}
