// The reel layer under the multi-line and video machines: each reel stops on
// one reel picture that shows a symbol in each of its three rows, drawn by
// weight; each played pay line reads one symbol per reel and is paid from the
// machine's table of line pays.
//
// A machine of these families is data: its hooks declare the symbols with
// their rarity values, the reel pictures, the line pays and the pay lines;
// the layer draws, evaluates, settles and counts the win up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "machine/machine.h"

class Sprite;

// One symbol of a reel machine. Its value is a rarity weight, not a pay: a
// reel picture that shows it is drawn less often the higher the value.
struct ReelSymbol {
    std::string name;
    int value;
    ReelSymbol(const std::string& n, int v) : name(n), value(v) {}
};

using ReelSymbolList = std::vector<ReelSymbol*>;

// One reel picture: its name is its symbols from the top row down joined by
// "_" ("2bar_blank_bar"); its file is the name + ".png.0" in the machine's
// folder.
class ReelGraphic {
public:
    std::string name;
    ReelSymbolList symbols;  // top row first; a part that names no symbol is left out
    int weight;              // sum of the symbols' values (grows as it is drawn during a spin)
    long rangeStart;         // the draw numbers that pick it: rangeStart <= n < rangeEnd
    long rangeEnd;

    // Splits the name at "_" and links each part to the first symbol of
    // `all` with that name; an unknown part is reported on stdout and skipped.
    ReelGraphic(const std::string& name, const ReelSymbolList& all);

    // The symbol in that row, or null when the picture has no such row.
    ReelSymbol* symbolAt(int row) const;
    int baseWeight() const;
    // Draw numbers it gets at its current weight: trunc(10000 / weight) + 1
    // (none for a picture whose symbols weigh nothing).
    long drawShare() const;
};

// A pay line: a number and the row it crosses on each reel (0 top, 1 middle,
// 2 bottom). `hit` tells whether it paid on the last evaluation.
struct Payline {
    int number;
    std::vector<int> rows;
    bool hit;
    explicit Payline(int n) : number(n), hit(false) {}
};

// One combination of the pay table.
class LinePay {
public:
    int award;  // credits for one coin on one line, before the machine's adjustment
    int line;   // -1: pays on any line; else only on that line number
    int count;  // reels from the left that form it (video combinations; 0 on the multi-line machines)
    std::vector<ReelSymbolList> reels;  // per reel from reel 0: the symbols it accepts

    LinePay() : award(0), line(-1), count(0) {}

    void setAward(int a) { award = a; }
    // Every symbol of the list joins that reel's accepted symbols.
    void addSymbols(int reel, const ReelSymbolList& list);
    // Every symbol of `all` that is not in the list joins that reel's accepted symbols.
    void addSymbolsExcept(int reel, const ReelSymbolList& list, const ReelSymbolList& all);

    bool allowsLine(int number) const { return line == -1 || line == number; }
    // The line's symbols (reel order) are accepted reel by reel. A missing
    // symbol (null) is accepted by nothing.
    bool accepts(const ReelSymbolList& lineSymbols) const;
};

class ReelMachine : public Machine {
public:
    ReelSymbolList symbols;  // declaration order (held in ownedSymbols)
    std::vector<std::unique_ptr<ReelGraphic>> reelGraphics;  // creation order; all reels draw from it
    std::vector<std::unique_ptr<LinePay>> linePays;          // kept sorted by falling award
    std::vector<std::unique_ptr<Payline>> paylines;          // line 1 first
    std::vector<std::unique_ptr<Sprite>> paylineImages;      // line-number pictures, line 1 first
    std::vector<ReelGraphic*> chosenGraphics;  // the picture each reel stops on (not owned)
    std::vector<ReelSymbolList> lineSymbols;   // per played line: its symbol on each reel
    long drawTotal;                          // draw numbers of the reel being drawn

    ReelMachine();
    ~ReelMachine() override;

    // Root set-up, the definition hooks, the first drawing, meters, line
    // numbers, controls, then the money popup.
    void init() override;
    // Background, a random picture on every reel, the overlay and the badge.
    void redraw() override;

    void spin() override;  // evaluate()
    void loadGraphics(const std::string& pictureName, int reel) override;
    void showStoppedReel(int reel) override;
    void settle() override;
    Uint32 drawStop() override;  // genrand() % drawTotal

    // ---- the machine's definition ------------------------------------------
    virtual int adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) = 0;
    virtual void buildLinePays() = 0;
    virtual void buildReelGraphics() = 0;
    virtual void declareSymbols() = 0;
    virtual void buildPaylines() = 0;
    virtual void loadPaylineImages() = 0;
    virtual void betOne() = 0;

    void addSymbol(const std::string& name, int value);
    // The first declared symbol of that name; null (reported on stdout) when none.
    ReelSymbol* findSymbol(const std::string& name);
    // findSymbol for each name, in order (unknown names stay as null entries,
    // which match no symbol on a line).
    ReelSymbolList symbolList(const std::vector<std::string>& names);
    // Table helpers for the hooks.
    void addReelGraphics(const std::vector<std::string>& names);
    // A new, empty line pay appended to `linePays`.
    LinePay* addLinePay();
    void addPayline(int number, const std::vector<int>& rows);
    // A line-number picture from the machine's folder, no colour key; kept in
    // its own pixel format unless told otherwise (the video slots convert).
    void addPaylineImage(const std::string& file, int x, int y, bool keepFormat = true);

    // ---- play ---------------------------------------------------------------
    // The outcome of a pull: one picture per reel by weight, then the lines.
    void evaluate();
    // One picture per reel: each picture's chance goes as 1 / its weight,
    // and a drawn picture weighs five times as much for the later reels.
    void drawReels();
    // Pays the first `lines` pay lines on `chosenGraphics`: fills lineSymbols,
    // sets the hit flags, and `win` = the sum (times coins above 1).
    void evaluateLines();
    // The symbols a pay line shows on the chosen pictures (null where a
    // picture lacks the row).
    ReelSymbolList symbolsOnLine(const Payline& line) const;
    // The pay of one line: adjustLinePay of the highest combination that
    // allows the line number and accepts the symbols; 0 when none does.
    int payForLine(const ReelSymbolList& symbolsOnLine, int lineNumber);
    // Draws the first n line-number pictures and erases the others, for
    // 1 <= n <= maxLines; any other n changes nothing.
    void showPaylines(int n);
    // Counts `win` onto the credits; a win too large for 400 steps is paid
    // whole by the last one. Returns the steps.
    int countUpWin() { return Machine::countUpWin(stepByPaid, 400, countUpDelay); }

    // Milliseconds between two steps of the count-up.
    static int countUpDelay;

protected:
    void sortLinePays();

private:
    std::vector<std::unique_ptr<ReelSymbol>> ownedSymbols;  // what `symbols` points at
};
