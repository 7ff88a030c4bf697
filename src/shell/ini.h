// The INI files of the game: the settings file "../config.ini" and the
// players' save files.
//
// A FileConfig holds every line of a file in the order read (new groups and
// keys are appended), so groups and keys the game does not know survive a
// rewrite, and every line the game does not change is written back byte for
// byte. A UTF-8 byte-order mark at the start (some text editors write one)
// is an editor's mark, not part of the first line, and is written back.
// Syntax: "[group]" lines, "key=value" lines, blank lines and lines
// starting with '#' or ';' (comments). Any other line makes the file
// unusable (see FileStatus). A key given twice in a group: the last one
// counts. Values are trimmed; a value written with surrounding spaces or
// special characters is quoted ("...", with \" \\ \n \r escapes) so that it
// reads back exactly. Doubles are written with as many digits as they need
// to read back to the same value. Numbers are read strictly: the whole value
// must be a plain decimal number, else the default is used and the value is
// reported on stderr. Reading, looking keys up, writing keys and writing
// the file back take time in proportion to the file's size.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What reading a file found. Only a file that does not exist reads as
// empty; one that exists but cannot be read, or holds a line that is not
// INI, is Unusable: the configuration holds what could be read, and the
// file must not be written over.
enum class FileStatus { Missing, Read, Unusable };

class FileConfig {
public:
    FileConfig();                          // empty, current group ""
    explicit FileConfig(std::istream& in); // parses the whole stream; a
                                           // stream that failed to open gives
                                           // an empty configuration

    // Reads and parses a file. An unusable file is reported on stderr (one
    // line naming the file and what is wrong).
    static FileConfig fromFile(const std::string& path, FileStatus* status = nullptr);

    // Empty when the file was read and every line parsed; else what made it
    // unusable: the first bad line ("line 3 is not a setting like name=value"), or why it
    // could not be read (then readError() is the system's error number).
    const std::string& problem() const { return parseProblem; }
    int readError() const { return readErrno; }

    // Selects the group that readEntry/writeEntry work on; writing creates it.
    void setCurrentPath(const std::string& group);
    const std::string& currentPath() const { return current; }

    bool hasGroup(const std::string& group) const;
    bool hasEntry(const std::string& key) const;   // in the current group

    // The value of key in the current group, or def when the key is absent.
    std::string readEntry(const std::string& key, const std::string& def) const;
    std::string readEntry(const std::string& key, const char* def) const;
    long readEntry(const std::string& key, long def) const;
    long readEntry(const std::string& key, int def) const;
    double readEntry(const std::string& key, double def) const;
    // Whether text is a number readEntry(key, double) takes: a finite
    // decimal, with nothing before or after it. Its value goes to value
    // (when given). Reports nothing.
    static bool plainDecimal(const std::string& text, double* value = nullptr);

    // Sets key in the current group (the group is created when missing).
    void writeEntry(const std::string& key, const std::string& value);
    void writeEntry(const std::string& key, const char* value);
    void writeEntry(const std::string& key, long value);
    void writeEntry(const std::string& key, int value);
    void writeEntry(const std::string& key, double value);

    // Writes every group and key to the stream; false when the stream failed.
    bool flush(std::ostream& out, int flags = 0) const;
    std::string toString() const;

    // Writes the whole configuration to path: first to a temporary file
    // beside it, then renamed over the old file, so the file is either
    // replaced whole or left as it was. On failure prints one line to
    // stderr and returns false.
    // error, when given, receives the system's error number of a failure.
    bool saveToFile(const std::string& path, int* error = nullptr) const;

private:
    struct Line {
        bool entry;          // a key line that counts; else kept as it stood
        std::string raw;     // the line as read, without its '\n'
        bool rewrite;        // entry changed (or new): written as key=value
        std::string key;
        std::string value;
    };
    struct Group {
        std::string name;
        std::string header;  // the "[name]" line as read; empty: a new group
        std::vector<Line> lines;  // as read
        // lines[tail...] are the blank lines that close the group: the keys
        // the game adds (added, in the order added) are written before them.
        size_t tail = 0;
        std::vector<Line> added;
    };
    // Where a key's line is: groups[group], in its added keys or its lines.
    struct Where {
        size_t group;
        bool added;
        size_t line;
    };
    // Per group name: its last section (new keys go there) and the line of
    // every key that counts. Looking a key up or adding one takes the same
    // time however large the file is.
    struct Index {
        size_t last = 0;
        std::unordered_map<std::string, Where> keys;
    };
    // groups[0] is the nameless group before any [group]; a name may come
    // back further down the file, and then has more than one Group.
    std::vector<Group> groups;
    std::unordered_map<std::string, Index> index;
    std::string current;
    std::string parseProblem;
    int readErrno = 0;
    bool byteOrderMark = false;  // the file started with one: kept on rewrite

    Line& at(const Where& where) {
        Group& g = groups[where.group];
        return where.added ? g.added[where.line] : g.lines[where.line];
    }
    const Line* find(const std::string& key) const;
    Line* findLive(const std::string& group, const std::string& key);
    void parse(const std::string& text);
    // The text of a number entry, or null when absent.
    const std::string* numberText(const std::string& key) const;
    void reportBadNumber(const std::string& key, const std::string& text, const char* kind) const;
};

// Writes text to path whole or not at all: a temporary file beside it
// (path + ".tmp" + process id), flushed to the disk, renamed over path, and
// the folder flushed too. On failure prints one line to stderr naming the
// file, stores the system's error number in *error (when given) and returns
// false.
bool writeFileAtomically(const std::string& path, const std::string& text, int* error = nullptr);

// Plain words for a system error number, as a player can read them ("the
// disk is full", "permission denied").
std::string plainErrorText(int error);

// The steps of writeFileAtomically, as the disk is asked about them.
enum class WriteStep { Open, Write, Rename };

// The disk's answer before each step of writeFileAtomically: a non-zero
// errno fails that step as the system would (ENOSPC at Write: a full disk).
// The game's disk never fails a step by itself; the tests install their own,
// which may also end the process there, as a kill between writing and
// renaming would.
class WriteFaults {
public:
    virtual ~WriteFaults() = default;
    virtual int before(WriteStep step) = 0;
};

// The faults in use (none unless some were installed).
WriteFaults& writeFaults();

// Puts `faults` in use; null goes back to none. The caller keeps it alive
// while it is installed. Returns the one it replaces.
WriteFaults* installWriteFaults(WriteFaults* faults);

// Whether writeFileAtomically waits for the disk (true in the game; the
// tests, which write thousands of throw-away files, turn it off).
extern bool syncWritesToDisk;

// Removes the temporary files writeFileAtomically leaves when the process
// dies between writing and renaming: in folder, every "<name>.tmp<pid>"
// whose <name> ends in one of the suffixes and whose process is gone.
void removeStaleTempFiles(const std::string& folder, const std::vector<std::string>& suffixes);

// The text form of a double that reads back to exactly the same value.
std::string exactDoubleText(double value);
