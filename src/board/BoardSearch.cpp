#include "board/BoardSearch.h"

#include <algorithm>
#include <vector>

namespace {

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Full case folding where it differs from Qt's simple one in a way people type:
// German sharp s, small and capital.
void appendFolded(QString &out, char32_t c)
{
    if (c == 0xDF || c == 0x1E9E) {
        out += QLatin1String("ss");
        return;
    }
    const char32_t folded = QChar::toCaseFolded(c);
    if (QChar::requiresSurrogates(folded)) {
        out += QChar(QChar::highSurrogate(folded));
        out += QChar(QChar::lowSurrogate(folded));
    } else {
        out += QChar(static_cast<char16_t>(folded));
    }
}

bool isWordStart(QStringView text, qsizetype at)
{
    return at == 0 || !text.at(at - 1).isLetterOrNumber();
}

// 2 when `word` starts a word of `text`, 1 when it is only inside one, 0 when absent.
int wordPlace(QStringView text, QStringView word)
{
    qsizetype at = text.indexOf(word);
    if (at < 0)
        return 0;
    for (qsizetype next = at; next >= 0; next = text.indexOf(word, next + 1)) {
        if (isWordStart(text, next))
            return 2;
    }
    return 1;
}

// Rank of an item whose folded value holds every word: per word, 3 or 2 when found
// in the name (at a word's start, inside one), 1 or 0 in the value alone.
int wordsScore(QStringView value, QStringView name, const QStringList &words)
{
    int score = 0;
    for (const QString &word : words) {
        const int inName = wordPlace(name, word);
        score += inName ? inName + 1 : (wordPlace(value, word) == 2 ? 1 : 0);
    }
    return score;
}

// Gaps between the letters of `letters` found in order in `name`, the first at the
// start of a word (as abbreviations are made), leftmost first; -1 when they are not
// all there.
int subsequenceGaps(QStringView name, QStringView letters)
{
    if (letters.isEmpty())
        return -1;
    qsizetype first = name.indexOf(letters.front());
    while (first >= 0 && !isWordStart(name, first))
        first = name.indexOf(letters.front(), first + 1);
    if (first < 0)
        return -1;
    int gaps = 0;
    qsizetype from = first;
    qsizetype last = -2;
    for (QChar letter : letters) {
        const qsizetype at = name.indexOf(letter, from);
        if (at < 0)
            return -1;
        if (last >= 0 && at != last + 1)
            ++gaps;
        last = at;
        from = at + 1;
    }
    return gaps;
}

// The words of a query, split at any white space.
QStringList splitWords(const QString &text)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text.at(i).isSpace();
        if (blank && start >= 0) {
            words.append(text.mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return words;
}

struct Candidate
{
    qsizetype list;
    qsizetype item;
    // 0: all words found; 1: letters in order in the name.
    int tier;
    // Higher first for words, fewer gaps first for letters.
    int rank;
    int uses;
};

} // namespace

QString FoldForSearch(const QString &text)
{
    if (isAscii(text))
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        char32_t c = decomposed.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < decomposed.size() &&
            decomposed.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(decomposed.at(i), decomposed.at(i + 1));
            ++i;
        }
        // Accents and other combining marks split off by the decomposition.
        if (QChar::category(c) == QChar::Mark_NonSpacing)
            continue;
        appendFolded(out, c);
    }
    return out;
}

SearchIndex IndexItems(const QList<MNameValue> &items)
{
    SearchIndex index;
    index.lowerValues.reserve(items.size());
    index.foldedValues.reserve(items.size());
    index.names.reserve(items.size());
    for (const MNameValue &item : items) {
        index.lowerValues.append(item.value.toLower());
        const bool ascii = isAscii(item.value);
        QString value = ascii ? index.lowerValues.last() : FoldForSearch(item.value);
        // Most names open their value as written: no folded copy needed to see it.
        if (ascii && value.startsWith(item.name(), Qt::CaseInsensitive)) {
            index.foldedValues.append(std::move(value));
            index.names.append({0, static_cast<qint32>(item.name().size())});
            continue;
        }
        const QString name = FoldForSearch(item.name());
        qsizetype start = value.indexOf(name);
        if (start < 0) {
            // Not expected, as the name is part of the value; kept findable anyway.
            value.prepend(name + u'\n');
            start = 0;
        }
        index.foldedValues.append(std::move(value));
        index.names.append({static_cast<qint32>(start), static_cast<qint32>(name.size())});
    }
    return index;
}

SearchResults SearchItems(const QList<SearchList> &lists, const QString &text, UseCountOf uses)
{
    SearchResults found;
    if (text.isEmpty())
        return found;
    const QString needle = text.toLower();
    qsizetype total = 0;
    for (const SearchList &list : lists)
        total += list.items->size();
    std::vector<bool> plain(static_cast<size_t>(total));
    size_t flat = 0;
    for (const SearchList &list : lists) {
        for (qsizetype i = 0; i < list.items->size(); ++i, ++flat) {
            if (list.index->lowerValues.at(i).contains(needle)) {
                plain[flat] = true;
                found.items.append(list.items->at(i));
                found.labels.append(list.label);
            }
        }
    }
    found.closeFrom = found.items.size();

    const QString folded = FoldForSearch(text);
    const QStringList words = splitWords(folded);
    if (words.isEmpty())
        return found;
    const QString letters = words.join(QString());

    std::vector<Candidate> candidates;
    flat = 0;
    for (qsizetype l = 0; l < lists.size(); ++l) {
        const SearchList &list = lists.at(l);
        for (qsizetype i = 0; i < list.items->size(); ++i, ++flat) {
            if (plain[flat])
                continue;
            const QStringView value = list.index->foldedValues.at(i);
            const SearchIndex::Span span = list.index->names.at(i);
            const QStringView name = value.mid(span.start, span.length);
            const bool allWords =
                std::all_of(words.cbegin(), words.cend(),
                            [value](const QString &w) { return value.contains(w); });
            Candidate candidate{l, i, 0, 0, 0};
            if (allWords) {
                candidate.rank = wordsScore(value, name, words);
            } else {
                const int gaps = subsequenceGaps(name, letters);
                if (gaps < 0)
                    continue;
                candidate.tier = 1;
                candidate.rank = -gaps;
            }
            if (uses)
                candidate.uses = uses(list.items->at(i));
            candidates.push_back(candidate);
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) {
                         if (a.tier != b.tier)
                             return a.tier < b.tier;
                         if (a.rank != b.rank)
                             return a.rank > b.rank;
                         return a.uses > b.uses;
                     });
    found.items.reserve(found.items.size() + static_cast<qsizetype>(candidates.size()));
    for (const Candidate &candidate : candidates) {
        found.items.append(lists.at(candidate.list).items->at(candidate.item));
        found.labels.append(lists.at(candidate.list).label);
    }
    return found;
}
