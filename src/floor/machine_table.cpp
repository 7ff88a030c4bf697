#include "floor/machine_table.h"

// Machine headers are included here as each machine joins the floor.

namespace {

// One line a machine. The creator is a small lambda that builds the machine
// at a coin value; nullptr where the machine is not on the floor yet.
using C = MachineCategory;

const std::vector<MachineInfo> kMachines = {
    // id                       title                          category       creator
    {"10sorbetter",            "10's or better",              C::Poker,      nullptr},
    {"10x",                    "10X",                         C::ThreeReel,  nullptr},
    {"4ofakind",               "4 of a Kind",                 C::Poker,      nullptr},
    {"5linedouble",            "5 Ziro Dazuru Ruva",          C::Video,      nullptr},
    {"5linetriple",            "5 Zadi Zadare Vevi",          C::Video,      nullptr},
    {"5x",                     "5X",                          C::ThreeReel,  nullptr},
    {"allwild",                "All Wild",                    C::Poker,      nullptr},
    {"baja7s",                 "Vedu 7'r",                    C::Video,      nullptr},
    {"balloonblitz",           "Ziriruv Uvove",               C::Video,      nullptr},
    {"balloonmania",           "Revevud Ivevi",               C::ThreeReel,  nullptr},
    {"bitsnbytes",             "Duri D Erore",                C::Video,      nullptr},
    {"blackjack",              "Blackjack",                   C::ThreeReel,  nullptr},
    {"cashcow",                "Vevu Ziz",                    C::Video,      nullptr},
    {"crazy8s",                "Vozer 8'e",                   C::ThreeReel,  nullptr},
    {"crazydice",              "Rerod Ozid",                  C::ThreeReel,  nullptr},
    {"cursed",                 "Cursed",                      C::ThreeReel,  nullptr},
    {"deepsea",                "Zora Vav Odiderevi",          C::Video,      nullptr},
    {"demoderby",              "Demolition Derby",            C::Specialty,  nullptr},
    {"deuceswild",             "Deuces Wild",                 C::Poker,      nullptr},
    {"doubledice",             "Rodozu Vada",                 C::ThreeReel,  nullptr},
    {"doubledicedeluxe",       "Revova Rove Ridovo",          C::ThreeReel,  nullptr},
    {"doubledicespinforcash",  "Vuzeda Zeva Zari raz Ezoz",   C::ThreeReel,  nullptr},
    {"doubledoubledice",       "Zuzuvo Dazozo Zevi",          C::ThreeReel,  nullptr},
    {"doublepremium",          "Double Premium Poker",        C::Poker,      nullptr},
    {"doubletriple",           "Vedizi Vazade",               C::ThreeReel,  nullptr},
    {"doubleupbonus",          "Double Up Premium Poker",     C::Poker,      nullptr},
    {"dragonspin",             "Vevuri Zero",                 C::ThreeReel,  nullptr},
    {"egyptsprize",            "Rizad'a Zidud",               C::Video,      nullptr},
    {"gettinhot",              "Rareraz Ure",                 C::ThreeReel,  nullptr},
    {"holeinone",              "Daru Du Rir",                 C::ThreeReel,  nullptr},
    {"jacksorbetter",          "Jacks or Better",             C::Poker,      nullptr},
    {"jokerswild",             "Jokers Wild",                 C::Poker,      nullptr},
    {"magic",                  "Magic",                       C::Video,      nullptr},
    {"mardigras",              "Zuzod Uriz",                  C::Video,      nullptr},
    {"mountainclimber",        "Devizezu Dozozed",            C::ThreeReel,  nullptr},
    {"patriotgames",           "Zoredud Ozovu",               C::ThreeReel,  nullptr},
    {"patriotspinforcash",     "Vazived Irud ovu Vize",       C::ThreeReel,  nullptr},
    {"patriotwild",            "Zezedor Ader",                C::ThreeReel,  nullptr},
    {"patriotwilddeluxe",      "Vevovev Ozov Ovevir",         C::ThreeReel,  nullptr},
    {"gloamerhouse",           "Gloamer House",               C::ThreeReel,  nullptr},
    {"shortcircuit",           "Zoruz Ivivede",               C::ThreeReel,  nullptr},
    {"spinforcash",            "Spin for Cash",               C::Poker,      nullptr},
    {"super7s",                "Vuduv 7'a",                   C::ThreeReel,  nullptr},
    {"tripledice",             "Zivivo Vezo",                 C::ThreeReel,  nullptr},
    {"tripledicedeluxe",       "Vudozu Zuza Dadudu",          C::ThreeReel,  nullptr},
    {"tripletriple",           "Dedova Zirodu Dari",          C::ThreeReel,  nullptr},
    {"wheelofcash",            "Diviz av Ezed",               C::ThreeReel,  nullptr},
    {"wildapple",              "Ravo Zodar",                  C::ThreeReel,  nullptr},
    {"wildsourapple",          "Vozo Rizi Zedod",             C::ThreeReel,  nullptr},
    {"zookeeper",              "Zookeeper",                   C::Video,      nullptr},
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
