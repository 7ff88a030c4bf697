#include "game/machine_factory.h"

#include <map>

#include "derby/demo_derby.h"
#include "machines/patriot/patriot_games.h"
#include "machines/patriot/patriot_spin_for_cash.h"
#include "machines/patriot/patriot_wild.h"
#include "machines/patriot/patriot_wild_deluxe.h"
#include "machines/threereel/balloon_mania.h"
#include "machines/threereel/blackjack.h"
#include "machines/threereel/crazy8s.h"
#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/cursed.h"
#include "machines/threereel/double_dice.h"
#include "machines/threereel/double_dice_deluxe.h"
#include "machines/threereel/double_dice_spin_for_cash.h"
#include "machines/threereel/double_double_dice.h"
#include "machines/threereel/double_triple.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/five_x.h"
#include "machines/threereel/gettin_hot.h"
#include "machines/threereel/gloamer_house.h"
#include "machines/threereel/hole_in_one.h"
#include "machines/threereel/mountain_climber.h"
#include "machines/threereel/short_circuit.h"
#include "machines/threereel/super7s.h"
#include "machines/threereel/ten_x.h"
#include "machines/threereel/triple_dice.h"
#include "machines/threereel/triple_dice_deluxe.h"
#include "machines/threereel/triple_triple.h"
#include "machines/threereel/wheel_of_cash.h"
#include "machines/threereel/wild_apple.h"
#include "machines/threereel/wild_sour_apple.h"
#include "machines/video/baja_7s.h"
#include "machines/video/balloon_blitz.h"
#include "machines/video/bits_n_bytes.h"
#include "machines/video/cash_cow.h"
#include "machines/video/deep_sea.h"
#include "machines/video/egypts_prize.h"
#include "machines/video/five_line_double.h"
#include "machines/video/five_line_triple.h"
#include "machines/video/magic.h"
#include "machines/video/mardi_gras.h"
#include "machines/video/zookeeper.h"
#include "player/machine_table.h"
#include "poker/poker_machines.h"

namespace {

template <class M>
std::unique_ptr<Screen> build(float denomination) { return std::make_unique<M>(denomination); }

// The class behind each machine id.
std::map<std::string, MachineCreator>& creators() {
    static std::map<std::string, MachineCreator> table = {
        {"10sorbetter",           build<TensOrBetter>},
        {"10x",                   build<TenX>},
        {"4ofakind",              build<FourOfAKind>},
        {"5linedouble",           build<FiveLineDouble>},
        {"5linetriple",           build<FiveLineTriple>},
        {"5x",                    build<FiveX>},
        {"allwild",               build<AllWild>},
        {"baja7s",                build<Baja7s>},
        {"balloonblitz",          build<BalloonBlitz>},
        {"balloonmania",          build<BalloonMania>},
        {"bitsnbytes",            build<BitsNBytes>},
        {"blackjack",             build<Blackjack>},
        {"cashcow",               build<CashCow>},
        {"crazy8s",               build<Crazy8s>},
        {"crazydice",             build<CrazyDice>},
        {"cursed",                build<Cursed>},
        {"deepsea",               build<DeepSea>},
        {"demoderby",             build<DemoDerby>},
        {"deuceswild",            build<DeucesWild>},
        {"doubledice",            build<DoubleDice>},
        {"doubledicedeluxe",      build<DoubleDiceDeluxe>},
        {"doubledicespinforcash", build<DoubleDiceSpinForCash>},
        {"doubledoubledice",      build<DoubleDoubleDice>},
        {"doublepremium",         build<DoublePremium>},
        {"doubletriple",          build<DoubleTriple>},
        {"doubleupbonus",         build<DoubleUpBonus>},
        {"dragonspin",            build<DragonSpin>},
        {"egyptsprize",           build<EgyptsPrize>},
        {"gettinhot",             build<GettinHot>},
        {"holeinone",             build<HoleInOne>},
        {"jacksorbetter",         build<JacksOrBetter>},
        {"jokerswild",            build<JokersWild>},
        {"magic",                 build<Magic>},
        {"mardigras",             build<MardiGras>},
        {"mountainclimber",       build<MountainClimber>},
        {"patriotgames",          build<PatriotGames>},
        {"patriotspinforcash",    build<PatriotSpinForCash>},
        {"patriotwild",           build<PatriotWild>},
        {"patriotwilddeluxe",     build<PatriotWildDeluxe>},
        {"gloamerhouse",          build<GloamerHouse>},
        {"shortcircuit",          build<ShortCircuit>},
        {"spinforcash",           build<SpinForCash>},
        {"super7s",               build<Super7s>},
        {"tripledice",            build<TripleDice>},
        {"tripledicedeluxe",      build<TripleDiceDeluxe>},
        {"tripletriple",          build<TripleTriple>},
        {"wheelofcash",           build<WheelOfCash>},
        {"wildapple",             build<WildApple>},
        {"wildsourapple",         build<WildSourApple>},
        {"zookeeper",             build<Zookeeper>},
    };
    return table;
}

}  // namespace

std::unique_ptr<Screen> createMachine(const std::string& id, float denomination) {
    auto found = creators().find(id);
    if (found == creators().end() || !found->second) return nullptr;
    return found->second(denomination);
}

MachineCreator replaceMachineCreator(const std::string& id, MachineCreator creator) {
    auto found = creators().find(id);
    if (found == creators().end()) return nullptr;
    MachineCreator old = found->second;
    found->second = creator;
    return old;
}
