#include "settings/catalogue.h"

#include <unordered_set>

#include "settings/config.h"
#include "settings/log.h"
#include "settings/wholefile.h"

namespace {

// Far beyond the few hundred lines of a language; a bigger file is no
// catalogue.
const size_t largestCatalogue = 1 << 20;

size_t skipBlanks(const std::string& line, size_t at) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    return at;
}

// Reads the quoted text starting at `at`; false when it is not one.
bool readQuoted(const std::string& line, size_t& at, std::string& text) {
    if (at >= line.size() || line[at] != '"') return false;
    text.clear();
    for (++at; at < line.size(); ++at) {
        char c = line[at];
        if (c == '"') {
            ++at;
            return true;
        }
        if (c == '\\' && at + 1 < line.size()) {
            c = line[++at];
            if (c == 'n') c = '\n';
        }
        text += c;
    }
    return false;
}

// "[place]"; false for anything else.
bool readPlace(const std::string& line, size_t at, std::string& place) {
    if (at >= line.size() || line[at] != '[') return false;
    const size_t end = line.find(']', at);
    if (end == std::string::npos || skipBlanks(line, end + 1) != line.size()) return false;
    place = line.substr(at + 1, end - at - 1);
    return true;
}

// `"English"` alone, or `"English" = "text"`.
bool readPair(const std::string& line, size_t at, std::string& english, std::string& text) {
    if (!readQuoted(line, at, english)) return false;
    at = skipBlanks(line, at);
    if (at == line.size()) {
        text = english;
        return true;
    }
    if (line[at] != '=') return false;
    at = skipBlanks(line, at + 1);
    return readQuoted(line, at, text) && skipBlanks(line, at) == line.size();
}

struct Chosen {
    int language = 0;
    Catalogue texts;
    std::unordered_set<std::string> reportedMissing;
};

Chosen& chosen() {
    static Chosen one;
    return one;
}

}  // namespace

void Catalogue::parse(const std::string& text, std::vector<int>* badLines) {
    std::string place;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t at = skipBlanks(line, 0);
        if (at == line.size() || line[at] == '#' || readPlace(line, at, place)) continue;
        CatalogueEntry entry{"", "", place};
        if (!readPair(line, at, entry.english, entry.text)) {
            if (badLines) badLines->push_back(number);
            continue;
        }
        auto known = index.find(entry.english);
        if (known != index.end())
            for (CatalogueEntry& earlier : list)
                if (earlier.english == entry.english) earlier.text = entry.text;
        if (known == index.end()) index[entry.english] = list.size();
        list.push_back(entry);
    }
}

const std::string* Catalogue::find(const std::string& english) const {
    auto found = index.find(english);
    return found == index.end() ? nullptr : &list[found->second].text;
}

void Catalogue::clear() {
    list.clear();
    index.clear();
}

std::string catalogueFileOf(const std::string& languageDirectory) {
    return "languages/" + languageDirectory + "/zelk.texts";
}

void useLanguage(int language) {
    Chosen& now = chosen();
    now.texts.clear();
    now.reportedMissing.clear();
    now.language = language;
    if (std::string(iConfig::languageDirectory(language)) == "eng") {
        now.language = 0;
        return;
    }
    const std::string path = catalogueFileOf(iConfig::languageDirectory(language));
    std::string text, why;
    if (readFileWhole(path, largestCatalogue, text, why) != WholeRead::Read) {
        ILog.log(0, "ERROR opening file %s: %s; the texts stay in English", path.c_str(),
                 why.empty() ? "missing" : why.c_str());
        return;
    }
    std::vector<int> badLines;
    now.texts.parse(text, &badLines);
    for (int line : badLines) ILog.log(1, "%s:%d: not a pair of quoted texts, skipped", path.c_str(), line);
}

int languageInUse() {
    return chosen().language;
}

std::string tr(const std::string& english) {
    Chosen& now = chosen();
    if (now.language == 0 || english.empty()) return english;
    if (const std::string* text = now.texts.find(english)) return *text;
    if (now.reportedMissing.insert(english).second)
        ILog.log(1, "No %s text for \"%s\": shown in English", iConfig::languageDirectory(now.language),
                 english.c_str());
    return english;
}

std::string fillIn(const std::string& pattern, std::initializer_list<std::string> values) {
    std::string result;
    for (size_t at = 0; at < pattern.size();) {
        const size_t close = pattern.find('}', at);
        if (pattern[at] == '{' && close != std::string::npos && close - at >= 2 && close - at <= 4 &&
            pattern.find_first_not_of("0123456789", at + 1) == close) {
            const size_t number = std::stoul(pattern.substr(at + 1, close - at - 1));
            if (number >= 1 && number <= values.size()) {
                result += *(values.begin() + (number - 1));
                at = close + 1;
                continue;
            }
        }
        result += pattern[at++];
    }
    return result;
}

std::string trf(const std::string& english, std::initializer_list<std::string> values) {
    return fillIn(tr(english), values);
}
