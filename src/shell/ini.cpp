#include "shell/ini.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include <unistd.h>

namespace {

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
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

std::string decodeValue(const std::string& raw) {
    std::string v = trim(raw);
    if (v.size() < 2 || v.front() != '"' || v.back() != '"') return v;
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
    groups.push_back(Group{"", {}});
}

FileConfig::FileConfig(std::istream& in) : FileConfig() {
    if (in) parse(in);
}

FileConfig FileConfig::fromFile(const std::string& path) {
    std::ifstream in(path.c_str());
    return FileConfig(in);
}

void FileConfig::parse(std::istream& in) {
    Group* group = &groups[0];
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string t = trim(line);
        if (t.empty()) continue;
        if (t[0] == '#' || t[0] == ';') {
            group->lines.push_back(Line{true, t, ""});
            continue;
        }
        if (t[0] == '[' && t.back() == ']') {
            std::string name = trim(t.substr(1, t.size() - 2));
            group = nullptr;
            for (auto& g : groups) {
                if (g.name == name) group = &g;
            }
            if (!group) {
                groups.push_back(Group{name, {}});
                group = &groups.back();
            }
            continue;
        }
        size_t eq = t.find('=');
        if (eq == std::string::npos) {
            // Not a key line: keep it as it stood.
            group->lines.push_back(Line{true, t, ""});
            continue;
        }
        std::string key = trim(t.substr(0, eq));
        std::string value = decodeValue(t.substr(eq + 1));
        bool replaced = false;
        for (auto& l : group->lines) {
            if (!l.comment && l.key == key) {
                l.value = value;
                replaced = true;
            }
        }
        if (!replaced) group->lines.push_back(Line{false, key, value});
    }
}

void FileConfig::setCurrentPath(const std::string& group) {
    current = group;
}

bool FileConfig::hasGroup(const std::string& group) const {
    for (const auto& g : groups) {
        if (g.name == group) return true;
    }
    return false;
}

const FileConfig::Line* FileConfig::find(const std::string& key) const {
    for (const auto& g : groups) {
        if (g.name != current) continue;
        for (const auto& l : g.lines) {
            if (!l.comment && l.key == key) return &l;
        }
    }
    return nullptr;
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

long FileConfig::readEntry(const std::string& key, long def) const {
    const Line* l = find(key);
    if (!l) return def;
    const char* s = l->value.c_str();
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s, &end, 10);
    if (end == s || errno == ERANGE) return def;
    return v;
}

long FileConfig::readEntry(const std::string& key, int def) const {
    return readEntry(key, static_cast<long>(def));
}

double FileConfig::readEntry(const std::string& key, double def) const {
    const Line* l = find(key);
    if (!l) return def;
    const char* s = l->value.c_str();
    char* end = nullptr;
    double v = std::strtod(s, &end);
    if (end == s) return def;
    return v;
}

void FileConfig::writeEntry(const std::string& key, const std::string& value) {
    Group* group = nullptr;
    for (auto& g : groups) {
        if (g.name == current) {
            group = &g;
            break;
        }
    }
    if (!group) {
        groups.push_back(Group{current, {}});
        group = &groups.back();
    }
    for (auto& l : group->lines) {
        if (!l.comment && l.key == key) {
            l.value = value;
            return;
        }
    }
    group->lines.push_back(Line{false, key, value});
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
    std::string out;
    bool first = true;
    for (const auto& g : groups) {
        if (g.name.empty() && g.lines.empty()) continue;
        if (!first) out += '\n';
        first = false;
        if (!g.name.empty() || &g != &groups[0]) out += "[" + g.name + "]\n";
        for (const auto& l : g.lines) {
            if (l.comment) out += l.key + "\n";
            else out += l.key + "=" + encodeValue(l.value) + "\n";
        }
    }
    return out;
}

bool FileConfig::flush(std::ostream& out, int) const {
    out << toString();
    out.flush();
    return static_cast<bool>(out);
}

bool FileConfig::saveToFile(const std::string& path) const {
    return writeFileAtomically(path, toString());
}

bool writeFileAtomically(const std::string& path, const std::string& text) {
    std::string temp = path + ".tmp" + std::to_string(static_cast<long>(getpid()));
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "Couldn't write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = (std::fflush(f) == 0) && ok;
    int err = errno;
    ok = (std::fclose(f) == 0) && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        std::remove(temp.c_str());
        std::fprintf(stderr, "Couldn't write %s: %s\n", path.c_str(), std::strerror(err ? err : EIO));
        return false;
    }
    return true;
}
