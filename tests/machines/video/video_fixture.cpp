// The return reckoning walks 41^5 reel outcomes: optimise this file even in
// a debug build so the suite stays fast.
#pragma GCC optimize("O2")

#include "video_fixture.h"

namespace videotest {

Uint32 BonusFixture::fakeNow = 1000;

namespace {

struct Walk {
    const ReturnTable& t;
    size_t n;
    int lineCount;
    std::vector<int> drawn;      // times each picture was drawn so far
    std::vector<long> share;     // current draw numbers of each picture
    long total;                  // sum of share
    int picks[5];
    double sum = 0, sumSq = 0;
    int scatterFactor[6];

    explicit Walk(const ReturnTable& table) : t(table), n(table.pictures.size()), lineCount(int(table.lines.size())) {
        drawn.assign(n, 0);
        share.resize(n);
        total = 0;
        for (size_t i = 0; i < n; ++i) {
            share[i] = shareOf(t.weights[i]);
            total += share[i];
        }
        for (int z = 0; z <= 5; ++z) scatterFactor[z] = t.factor ? t.factor(z) : 0;
    }

    static long shareOf(long w) { return w > 0 ? 10000 / w + 1 : 0; }

    void take(size_t g) {
        long w = t.weights[g];
        for (int k = 0; k <= drawn[g]; ++k) w *= 5;
        total -= share[g];
        share[g] = shareOf(w);
        total += share[g];
        ++drawn[g];
    }
    void putBack(size_t g) {
        --drawn[g];
        long w = t.weights[g];
        for (int k = 0; k < drawn[g]; ++k) w *= 5;
        total -= share[g];
        share[g] = shareOf(w);
        total += share[g];
    }

    // The scatter count after one more reel.
    int counted(int before, size_t g) const {
        if (hasScatter(g)) return before + 1;
        return t.scatterInARow && before <= 2 ? 0 : before;
    }
    long scatterWin(int count) const { return (t.scatterInARow ? 1 : long(lineCount)) * scatterFactor[count]; }

    bool hasScatter(size_t g) const {
        const auto& p = t.pictures[g];
        return t.scatter >= 0 && (p[0] == t.scatter || p[1] == t.scatter || p[2] == t.scatter);
    }

    // A line's pay per coin with a wild: the highest award among the runs
    // from the left (each symbol with the wild, and the wild alone), doubled
    // when the wild is in that run.
    bool standsIn(int s) const {
        if (t.wildOnly.empty()) return true;
        for (int w : t.wildOnly)
            if (w == s) return true;
        return false;
    }

    long wildLinePay(const int* x) const {
        long best = 0;
        bool doubled = false;
        for (size_t s = 0; s < t.pay.size(); ++s) {
            if (int(s) == t.scatter) continue;
            int run = 0;
            bool withWild = false;
            const bool joins = int(s) != t.wild && standsIn(int(s));
            while (run < 5 && (x[run] == int(s) || (joins && x[run] == t.wild))) {
                withWild = withWild || x[run] == t.wild;
                ++run;
            }
            const long award = t.pay[s][size_t(run)];
            if (award > best) {
                best = award;
                doubled = withWild;
            }
        }
        return doubled && t.wildDoubles ? 2 * best : best;
    }

    // Every line of five symbols, paid once up front: index x0..x4 in base
    // of the symbol count.
    std::vector<long> wildPays;

    void lastWithWild(double p, int zebras) {
        const size_t k = t.pay.size();
        if (wildPays.empty()) {
            size_t all = k * k * k * k * k;
            wildPays.resize(all);
            for (size_t i = 0; i < all; ++i) {
                int x[5];
                size_t rest = i;
                for (int r = 4; r >= 0; --r) {
                    x[r] = int(rest % k);
                    rest /= k;
                }
                wildPays[i] = wildLinePay(x);
            }
        }
        size_t prefix[9];
        for (int l = 0; l < lineCount; ++l) {
            const auto& rows = t.lines[size_t(l)];
            size_t idx = 0;
            for (int r = 0; r < 4; ++r) idx = idx * k + size_t(t.pictures[size_t(picks[r])][size_t(rows[size_t(r)])]);
            prefix[l] = idx * k;
        }
        const double tot = double(total);
        for (size_t g = 0; g < n; ++g) {
            const double q = p * double(share[g]) / tot;
            if (q == 0) continue;
            long win = 0;
            for (int l = 0; l < lineCount; ++l)
                win += wildPays[prefix[l] + size_t(t.pictures[g][size_t(t.lines[size_t(l)][4])])];
            win += scatterWin(counted(zebras, g));
            sum += q * double(win);
            sumSq += q * double(win) * double(win);
        }
    }

    // The four first reels are drawn; the fifth is summed here.
    void last(double p, int zebras) {
        if (t.wild >= 0) {
            lastWithWild(p, zebras);
            return;
        }
        long fixed = 0;
        int open[9], openSym[9], openCount = 0;
        for (int l = 0; l < lineCount; ++l) {
            const auto& rows = t.lines[size_t(l)];
            const int s = t.pictures[size_t(picks[0])][size_t(rows[0])];
            int run = 1;
            while (run < 4 && t.pictures[size_t(picks[run])][size_t(rows[size_t(run)])] == s) ++run;
            if (run == 4) {
                open[openCount] = rows[4];
                openSym[openCount++] = s;
            } else {
                fixed += t.pay[size_t(s)][size_t(run)];
            }
        }
        const double tot = double(total);
        for (size_t g = 0; g < n; ++g) {
            const double q = p * double(share[g]) / tot;
            if (q == 0) continue;
            long win = fixed;
            for (int k = 0; k < openCount; ++k)
                win += t.pay[size_t(openSym[k])][t.pictures[g][size_t(open[k])] == openSym[k] ? 5 : 4];
            win += scatterWin(counted(zebras, g));
            sum += q * double(win);
            sumSq += q * double(win) * double(win);
        }
    }

    void reel(int k, double p, int zebras) {
        if (k == 4) {
            last(p, zebras);
            return;
        }
        const double tot = double(total);
        for (size_t g = 0; g < n; ++g) {
            const double q = p * double(share[g]) / tot;
            if (q == 0) continue;
            picks[k] = int(g);
            take(g);
            reel(k + 1, q, counted(zebras, g));
            putBack(g);
        }
    }
};

}  // namespace

void exactReturn(const ReturnTable& t, double& mean, double& variance) {
    Walk walk(t);
    walk.reel(0, 1.0, 0);
    mean = walk.sum;
    variance = walk.sumSq - walk.sum * walk.sum;
}

}  // namespace videotest
