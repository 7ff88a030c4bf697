#include "shell/ini.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

std::string_view trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

bool needsQuotes(const std::string& v) {
    if (v.empty()) return false;
    if (v.front() == ' ' || v.front() == '\t' || v.back() == ' ' || v.back() == '\t') return true;
    if (v.front() == '"') return true;
    return v.find_first_of("\r\n") != std::string::npos;
}

std::string encodeValue(const std::string& v) {
    if (!needsQuotes(v)) return v;
    std::string out = "\"";
    for (char c : v) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    out += '"';
    return out;
}

std::string decodeValue(std::string_view raw) {
    std::string_view v = trim(raw);
    if (v.size() < 2 || v.front() != '"' || v.back() != '"') return std::string(v);
    std::string out;
    for (size_t i = 1; i + 1 < v.size(); ++i) {
        char c = v[i];
        if (c == '\\' && i + 2 < v.size()) {
            char n = v[++i];
            switch (n) {
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                default: out += n;
            }
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string exactDoubleText(double value) {
    if (!std::isfinite(value)) return "0";
    char buf[64];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        if (std::strtod(buf, nullptr) == value) break;
    }
    return buf;
}

FileConfig::FileConfig() {
    groups.push_back(Group{"", "", {}, 0, {}});
    index[""].last = 0;
}

FileConfig::FileConfig(std::istream& in) : FileConfig() {
    if (!in) return;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    parse(text);
}

FileConfig FileConfig::fromFile(const std::string& path, FileStatus* status) {
    FileStatus found = FileStatus::Read;
    std::string text;
    std::string trouble;
    int readErrno = 0;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (errno == ENOENT || errno == ENOTDIR) found = FileStatus::Missing;
        else trouble = std::strerror(readErrno = errno);
    } else {
        char buffer[65536];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
        if (std::ferror(f)) {
            readErrno = errno ? errno : EIO;
            trouble = std::strerror(readErrno);
        }
        std::fclose(f);
    }
    FileConfig config;
    config.readErrno = readErrno;
    config.parseProblem = trouble;
    if (trouble.empty() && found == FileStatus::Read) {
        config.parse(text);
        trouble = config.parseProblem;
    }
    if (!trouble.empty()) {
        found = FileStatus::Unusable;
        std::fprintf(stderr, "Couldn't read %s (%s): it is left as it is\n", path.c_str(), trouble.c_str());
    }
    if (status) *status = found;
    return config;
}

void FileConfig::parse(const std::string& text) {
    size_t group = groups.size() - 1;
    // The keys of the group being read (a map's values stay where they are
    // while it grows).
    Index* named = &index[groups[group].name];
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++number;
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            byteOrderMark = true;
            line.remove_prefix(3);
        }
        // What a line says ignores the spaces, tabs and carriage returns
        // around it; the line itself is kept as it was read.
        std::string_view t = trim(line);
        bool bad = line.find('\0') != std::string_view::npos;
        std::vector<Line>& lines = groups[group].lines;
        if (!bad && (t.empty() || t[0] == '#' || t[0] == ';')) {
            lines.push_back(Line{false, std::string(line), false, "", ""});
            continue;
        }
        size_t eq = t.find('=');
        if (!bad && t[0] == '[') {
            bad = t.back() != ']';
            if (!bad) {
                std::string name(trim(t.substr(1, t.size() - 2)));
                groups.push_back(Group{name, std::string(line), {}, 0, {}});
                group = groups.size() - 1;
                named = &index[name];
                named->last = group;
                continue;
            }
        } else if (!bad && eq != std::string_view::npos && eq > 0) {
            std::string key(trim(t.substr(0, eq)));
            // The last line of a key counts; an earlier one is kept as it stood.
            auto known = named->keys.try_emplace(key, Where{group, false, lines.size()});
            if (!known.second) {
                at(known.first->second).entry = false;
                known.first->second = Where{group, false, lines.size()};
            }
            lines.push_back(Line{true, std::string(line), false, std::move(key), decodeValue(t.substr(eq + 1))});
            continue;
        }
        if (parseProblem.empty()) parseProblem = "line " + std::to_string(number) + " is not a setting like name=value";
        lines.push_back(Line{false, std::string(line), false, "", ""});
    }
    // Where each group's closing blank lines begin.
    for (Group& g : groups) {
        size_t tail = g.lines.size();
        while (tail > 0 && !g.lines[tail - 1].entry && trim(g.lines[tail - 1].raw).empty()) --tail;
        g.tail = tail;
    }
}

void FileConfig::setCurrentPath(const std::string& group) {
    current = group;
}

bool FileConfig::hasGroup(const std::string& group) const {
    return index.count(group) > 0;
}

FileConfig::Line* FileConfig::findLive(const std::string& group, const std::string& key) {
    auto named = index.find(group);
    if (named == index.end()) return nullptr;
    auto known = named->second.keys.find(key);
    return known == named->second.keys.end() ? nullptr : &at(known->second);
}

const FileConfig::Line* FileConfig::find(const std::string& key) const {
    return const_cast<FileConfig*>(this)->findLive(current, key);
}

bool FileConfig::hasEntry(const std::string& key) const {
    return find(key) != nullptr;
}

std::string FileConfig::readEntry(const std::string& key, const std::string& def) const {
    const Line* l = find(key);
    return l ? l->value : def;
}

std::string FileConfig::readEntry(const std::string& key, const char* def) const {
    return readEntry(key, std::string(def ? def : ""));
}

const std::string* FileConfig::numberText(const std::string& key) const {
    const Line* l = find(key);
    return l ? &l->value : nullptr;
}

void FileConfig::reportBadNumber(const std::string& key, const std::string& text, const char* kind) const {
    std::fprintf(stderr, "[%s] %s=%s is not %s: ignored\n", current.c_str(), key.c_str(), text.c_str(), kind);
}

long FileConfig::readEntry(const std::string& key, long def) const {
    const std::string* text = numberText(key);
    if (!text) return def;
    // An optional sign and decimal digits, nothing else.
    const char* s = text->c_str();
    const char* digits = s + (*s == '-' || *s == '+');
    bool plain = *digits != '\0';
    for (const char* c = digits; *c; ++c) plain = plain && std::isdigit(static_cast<unsigned char>(*c));
    errno = 0;
    long v = plain ? std::strtol(s, nullptr, 10) : 0;
    if (!plain || errno == ERANGE) {
        reportBadNumber(key, *text, "a whole number");
        return def;
    }
    return v;
}

long FileConfig::readEntry(const std::string& key, int def) const {
    return readEntry(key, static_cast<long>(def));
}

bool FileConfig::plainDecimal(const std::string& text, double* value) {
    // Decimal only: digits with an optional point and exponent. No hex
    // floats, no "inf" or "nan", nothing after the number.
    const char* c = text.c_str();
    if (*c == '-' || *c == '+') ++c;
    int mantissa = 0;
    while (std::isdigit(static_cast<unsigned char>(*c))) ++c, ++mantissa;
    if (*c == '.') {
        ++c;
        while (std::isdigit(static_cast<unsigned char>(*c))) ++c, ++mantissa;
    }
    bool plain = mantissa > 0;
    if (plain && (*c == 'e' || *c == 'E')) {
        ++c;
        if (*c == '-' || *c == '+') ++c;
        plain = std::isdigit(static_cast<unsigned char>(*c));
        while (std::isdigit(static_cast<unsigned char>(*c))) ++c;
    }
    plain = plain && *c == '\0';
    const double v = plain ? std::strtod(text.c_str(), nullptr) : 0.0;
    if (!plain || !std::isfinite(v)) return false;
    if (value) *value = v;
    return true;
}

double FileConfig::readEntry(const std::string& key, double def) const {
    const std::string* text = numberText(key);
    if (!text) return def;
    double v = def;
    if (!plainDecimal(*text, &v)) {
        reportBadNumber(key, *text, "a finite decimal number");
        return def;
    }
    return v;
}

void FileConfig::writeEntry(const std::string& key, const std::string& value) {
    if (Line* l = findLive(current, key)) {
        if (l->value != value) {
            l->value = value;
            l->rewrite = true;
        }
        return;
    }
    // A new key goes at the end of the group's last section, before the
    // blank lines that part it from the next group.
    auto named = index.find(current);
    if (named == index.end()) {
        groups.push_back(Group{current, "", {}, 0, {}});
        named = index.emplace(current, Index{}).first;
        named->second.last = groups.size() - 1;
    }
    Group& group = groups[named->second.last];
    named->second.keys[key] = Where{named->second.last, true, group.added.size()};
    group.added.push_back(Line{true, "", true, key, value});
}

void FileConfig::writeEntry(const std::string& key, const char* value) {
    writeEntry(key, std::string(value ? value : ""));
}

void FileConfig::writeEntry(const std::string& key, long value) {
    writeEntry(key, std::to_string(value));
}

void FileConfig::writeEntry(const std::string& key, int value) {
    writeEntry(key, static_cast<long>(value));
}

void FileConfig::writeEntry(const std::string& key, double value) {
    writeEntry(key, exactDoubleText(value));
}

std::string FileConfig::toString() const {
    std::string out = byteOrderMark ? "\xEF\xBB\xBF" : "";
    size_t size = out.size();
    for (const Group& g : groups) {
        size += g.header.size() + g.name.size() + 4;
        for (const auto& l : g.lines) size += l.raw.size() + 1;
        for (const auto& l : g.added) size += l.key.size() + l.value.size() + 2;
    }
    out.reserve(size + size / 16);
    auto write = [&out](const Line& l) {
        if (l.rewrite) {
            out += l.key;
            out += '=';
            out += encodeValue(l.value);
        } else {
            out += l.raw;
        }
        out += '\n';
    };
    for (size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        if (i > 0) {
            if (g.header.empty()) {
                // A group the game adds: one blank line before it.
                if (out.size() > (byteOrderMark ? 3u : 0u) && out.compare(out.size() - std::min<size_t>(out.size(), 2), 2, "\n\n") != 0)
                    out += '\n';
                out += "[" + g.name + "]\n";
            } else {
                out += g.header + "\n";
            }
        }
        for (size_t l = 0; l < g.tail; ++l) write(g.lines[l]);
        for (const auto& l : g.added) write(l);
        for (size_t l = g.tail; l < g.lines.size(); ++l) write(g.lines[l]);
    }
    return out;
}

bool FileConfig::flush(std::ostream& out, int) const {
    out << toString();
    out.flush();
    return static_cast<bool>(out);
}

bool FileConfig::saveToFile(const std::string& path, int* error) const {
    return writeFileAtomically(path, toString(), error);
}

namespace {

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool syncWritesToDisk = true;

namespace {

class NoWriteFaults : public WriteFaults {
public:
    int before(WriteStep) override { return 0; }
};

// Never taken down, like the pointer to what is in use: a save made while
// the process ends (with the statics already going) still asks the disk.
WriteFaults& noWriteFaults() {
    static WriteFaults* const none = new NoWriteFaults;
    return *none;
}

WriteFaults* faultsInUse = nullptr;  // none installed

}  // namespace

WriteFaults& writeFaults() { return faultsInUse ? *faultsInUse : noWriteFaults(); }

WriteFaults* installWriteFaults(WriteFaults* faults) {
    WriteFaults& was = writeFaults();
    faultsInUse = faults;
    return &was;
}

std::string plainErrorText(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return "the disk is full";
        case EACCES:
        case EPERM: return "permission denied";
        case EROFS: return "the disk is read-only";
        case ENOENT: return "the folder is missing";
        case ENOTDIR: return "a file stands where a folder should be";
        case EISDIR: return "it is a folder, not a file";
        case EIO: return "the disk reported an error";
        default: return std::strerror(error);
    }
}

bool writeFileAtomically(const std::string& path, const std::string& text, int* error) {
    auto fault = [](WriteStep step) { return writeFaults().before(step); };
    auto fail = [&path, error](int err) {
        std::fprintf(stderr, "Couldn't write %s: %s\n", path.c_str(), std::strerror(err));
        if (error) *error = err;
        return false;
    };
    std::string temp = path + ".tmp" + std::to_string(static_cast<long>(getpid()));
    if (int err = fault(WriteStep::Open)) return fail(err);
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return fail(errno);
    int err = fault(WriteStep::Write);
    if (!err && (std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fflush(f) != 0 ||
                 (syncWritesToDisk && fsync(fileno(f)) != 0)))
        err = errno ? errno : EIO;
    if (std::fclose(f) != 0 && !err) err = errno ? errno : EIO;
    if (!err) err = fault(WriteStep::Rename);
    if (!err && std::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err) {
        std::remove(temp.c_str());
        return fail(err);
    }
    // The rename itself must reach the disk too.
    int folder = syncWritesToDisk ? open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY) : -1;
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

void removeStaleTempFiles(const std::string& folder, const std::vector<std::string>& suffixes) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        size_t mark = name.rfind(".tmp");
        if (mark == std::string::npos || mark + 4 >= name.size()) continue;
        std::string pid = name.substr(mark + 4);
        if (pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string target = name.substr(0, mark);
        bool ours = false;
        for (const std::string& suffix : suffixes)
            ours = ours || (target.size() >= suffix.size() &&
                            target.compare(target.size() - suffix.size(), suffix.size(), suffix) == 0);
        if (!ours) continue;
        long owner = std::atol(pid.c_str());
        // A file of a game that still runs is that game's business.
        bool running = owner > 0 && owner != static_cast<long>(getpid()) &&
                       (kill(static_cast<pid_t>(owner), 0) == 0 || errno == EPERM);
        if (running) continue;
        stale.push_back(folder + "/" + name);
    }
    closedir(dir);
    for (const std::string& path : stale) std::remove(path.c_str());
}
