// The texts the game shows, in the player's language. A text is asked for by
// its English wording, which is what English shows and what any language
// that lacks the text falls back to (logged once a text).
//
//     tr("Sure to quit the game?")
//     trf("Has {1} on board", {std::to_string(count)})
//
// Each language keeps its texts in "languages/<directory>/zelk.texts", one
// pair a line in double quotes ("English" = "translation"; \" \\ and \n as
// escapes), "#" comments and "[place]" lines naming where the texts under
// them are drawn. English's own file lists every text the game shows, each
// alone, and is the list the other languages are checked against.
#pragma once

#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

struct CatalogueEntry {
    std::string english;
    std::string text;   // the translation; the English again in English's file
    std::string place;  // the "[place]" it stands under, or ""
};

class Catalogue {
public:
    // Adds the pairs of a file's text; a later pair for the same English
    // replaces the text of an earlier one. Lines that are neither pairs,
    // places, comments nor blank are skipped and their numbers (from 1)
    // added to `badLines` when given.
    void parse(const std::string& text, std::vector<int>* badLines = nullptr);
    // Null when the catalogue has no text for `english`.
    const std::string* find(const std::string& english) const;
    // Every pair in the order of the file, a text under two places twice.
    const std::vector<CatalogueEntry>& entries() const { return list; }
    void clear();

private:
    std::vector<CatalogueEntry> list;
    std::unordered_map<std::string, size_t> index;
};

// The catalogue file of a language directory ("eng", "ita", "som").
std::string catalogueFileOf(const std::string& languageDirectory);

// From now on tr() speaks the language of this configuration number (0
// English, 1 Italian, 2 Somali; see iConfig::languageDirectory). A missing
// or unreadable file is logged and leaves every text in English.
void useLanguage(int language);
// The configuration number of the language in use.
int languageInUse();

// `english` in the language in use.
std::string tr(const std::string& english);
// The same for a text with values: "{1}", "{2}"... of the language's text
// are replaced by `values` in order, wherever the language puts them.
std::string trf(const std::string& english, std::initializer_list<std::string> values);
// Replaces "{1}", "{2}"... of `pattern`; an absent value leaves its mark.
std::string fillIn(const std::string& pattern, std::initializer_list<std::string> values);
