// The INI files of the game: the settings file "../config.ini" and the
// players' save files.
//
// A FileConfig holds every group and key of a file in the order read (new
// groups and keys are appended), so groups and keys the game does not know
// survive a rewrite. Syntax: "[group]" lines, "key=value" lines, lines
// starting with '#' or ';' are comments (kept). Values are trimmed; a value
// written with surrounding spaces or special characters is quoted ("...",
// with \" \\ \n \r escapes) so that it reads back exactly. Doubles are
// written with as many digits as they need to read back to the same value.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class FileConfig {
public:
    FileConfig();                          // empty, current group ""
    explicit FileConfig(std::istream& in); // parses the whole stream; a
                                           // stream that failed to open gives
                                           // an empty configuration

    // Parses a file; a missing or unreadable file gives an empty configuration.
    static FileConfig fromFile(const std::string& path);

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
    bool saveToFile(const std::string& path) const;

private:
    struct Line {
        bool comment;        // a comment or blank line kept as it stood
        std::string key;     // comment: the whole line
        std::string value;
    };
    struct Group {
        std::string name;
        std::vector<Line> lines;
    };
    std::vector<Group> groups;   // groups[0] is the nameless group before any [group]
    std::string current;

    const Line* find(const std::string& key) const;
    void parse(std::istream& in);
};

// Writes text to path whole or not at all (temporary file + rename). On
// failure prints one line to stderr naming the file and returns false.
bool writeFileAtomically(const std::string& path, const std::string& text);

// The text form of a double that reads back to exactly the same value.
std::string exactDoubleText(double value);
