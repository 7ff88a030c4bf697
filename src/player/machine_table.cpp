#include "player/machine_table.h"

namespace {

using C = MachineCategory;

// One line a machine, in the fixed order of the statistics screen.
const std::vector<MachineInfo> kMachines = {
    // id                       title                          category
    {"10sorbetter",           "10's or better",              C::Poker},
    {"10x",                   "10X",                         C::ThreeReel},
    {"4ofakind",              "4 of a Kind",                 C::Poker},
    {"5linedouble",           "5 Ziro Dazuru Ruva",          C::Video},
    {"5linetriple",           "5 Zadi Zadare Vevi",          C::Video},
    {"5x",                    "5X",                          C::ThreeReel},
    {"allwild",               "All Wild",                    C::Poker},
    {"baja7s",                "Vedu 7'r",                    C::Video},
    {"balloonblitz",          "Ziriruv Uvove",               C::Video},
    {"balloonmania",          "Revevud Ivevi",               C::ThreeReel},
    {"bitsnbytes",            "Duri D Erore",                C::Video},
    {"blackjack",             "Blackjack",                   C::ThreeReel},
    {"cashcow",               "Vevu Ziz",                    C::Video},
    {"crazy8s",               "Vozer 8'e",                   C::ThreeReel},
    {"crazydice",             "Rerod Ozid",                  C::ThreeReel},
    {"cursed",                "Cursed",                      C::ThreeReel},
    {"deepsea",               "Zora Vav Odiderevi",          C::Video},
    {"demoderby",             "Demolition Derby",            C::Specialty},
    {"deuceswild",            "Deuces Wild",                 C::Poker},
    {"doubledice",            "Rodozu Vada",                 C::ThreeReel},
    {"doubledicedeluxe",      "Revova Rove Ridovo",          C::ThreeReel},
    {"doubledicespinforcash", "Vuzeda Zeva Zari raz Ezoz",   C::ThreeReel},
    {"doubledoubledice",      "Zuzuvo Dazozo Zevi",          C::ThreeReel},
    {"doublepremium",         "Double Premium Poker",        C::Poker},
    {"doubletriple",          "Vedizi Vazade",               C::ThreeReel},
    {"doubleupbonus",         "Double Up Premium Poker",     C::Poker},
    {"dragonspin",            "Vevuri Zero",                 C::ThreeReel},
    {"egyptsprize",           "Rizad'a Zidud",               C::Video},
    {"gettinhot",             "Rareraz Ure",                 C::ThreeReel},
    {"holeinone",             "Daru Du Rir",                 C::ThreeReel},
    {"jacksorbetter",         "Jacks or Better",             C::Poker},
    {"jokerswild",            "Jokers Wild",                 C::Poker},
    {"magic",                 "Magic",                       C::Video},
    {"mardigras",             "Zuzod Uriz",                  C::Video},
    {"mountainclimber",       "Devizezu Dozozed",            C::ThreeReel},
    {"patriotgames",          "Zoredud Ozovu",               C::ThreeReel},
    {"patriotspinforcash",    "Vazived Irud ovu Vize",       C::ThreeReel},
    {"patriotwild",           "Zezedor Ader",                C::ThreeReel},
    {"patriotwilddeluxe",     "Vevovev Ozov Ovevir",         C::ThreeReel},
    {"gloamerhouse",          "Gloamer House",               C::ThreeReel},
    {"shortcircuit",          "Zoruz Ivivede",               C::ThreeReel},
    {"spinforcash",           "Spin for Cash",               C::Poker},
    {"super7s",               "Vuduv 7'a",                   C::ThreeReel},
    {"tripledice",            "Zivivo Vezo",                 C::ThreeReel},
    {"tripledicedeluxe",      "Vudozu Zuza Dadudu",          C::ThreeReel},
    {"tripletriple",          "Dedova Zirodu Dari",          C::ThreeReel},
    {"wheelofcash",           "Diviz av Ezed",               C::ThreeReel},
    {"wildapple",             "Ravo Zodar",                  C::ThreeReel},
    {"wildsourapple",         "Vozo Rizi Zedod",             C::ThreeReel},
    {"zookeeper",             "Zookeeper",                   C::Video},
};

}  // namespace

const std::vector<MachineInfo>& machineTable() { return kMachines; }

const MachineInfo* findMachine(const std::string& id) {
    for (const MachineInfo& m : kMachines)
        if (id == m.id) return &m;
    return nullptr;
}
