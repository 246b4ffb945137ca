#include "Dialect.h"

#include <QChar>
#include <QStringList>
#include <algorithm>
#include <array>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace db::dialect {

namespace {

/// Reads one code point from UTF-8 at `p` (before `end`), advancing `p`. Malformed bytes read as themselves.
char32_t nextCodePoint(const unsigned char *&p, const unsigned char *end) {
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return c;
    }
    for (int i = 0; i < extra; ++i) {
        if (p >= end || (*p & 0xC0) != 0x80)
            return c;
        cp = (cp << 6) | (*p++ & 0x3F);
    }
    return cp;
}

char32_t fold(char32_t cp) {
    if (cp < 0x80)
        return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    return QChar::toCaseFolded(cp);
}

/// Base letters of the accented Latin letters (U+00C0 to U+024F), already folded; 0 where there is none.
const std::array<char32_t, 0x190> &baseLetters() {
    static const std::array<char32_t, 0x190> table = [] {
        std::array<char32_t, 0x190> t{};
        for (char32_t cp = 0xC0; cp < 0x250; ++cp) {
            const QString d = QChar::decomposition(cp);
            char32_t base = 0;
            if (!d.isEmpty() && d.at(0).unicode() < 0x80)
                base = fold(d.at(0).unicode());
            t[cp - 0xC0] = base;
        }
        return t;
    }();
    return table;
}

/// The letter a folded code point sorts with: its base letter for accented Latin letters.
char32_t primary(char32_t folded) {
    if (folded >= 0xC0 && folded < 0x250) {
        const char32_t base = baseLetters()[folded - 0xC0];
        if (base != 0)
            return base;
    }
    return folded;
}

int compareBy(const char *a, int lengthA, const char *b, int lengthB, bool primaryOnly) {
    auto *pa = reinterpret_cast<const unsigned char *>(a);
    auto *pb = reinterpret_cast<const unsigned char *>(b);
    const unsigned char *ea = pa + lengthA;
    const unsigned char *eb = pb + lengthB;
    while (pa < ea && pb < eb) {
        char32_t ca = fold(nextCodePoint(pa, ea));
        char32_t cb = fold(nextCodePoint(pb, eb));
        if (primaryOnly) {
            ca = primary(ca);
            cb = primary(cb);
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (pa < ea)
        return 1;
    if (pb < eb)
        return -1;
    return 0;
}

/// One element of a LIKE pattern: a folded character to match, any one character, or any run.
struct PatternItem {
    enum Kind : char32_t { Literal, AnyOne, AnyRun } kind;
    char32_t folded;
};
using Pattern = std::vector<PatternItem>;

Pattern compilePattern(const unsigned char *p, const unsigned char *pe, char32_t escape) {
    Pattern pattern;
    while (p < pe) {
        char32_t pc = nextCodePoint(p, pe);
        if (escape != 0 && pc == escape && p < pe) {
            pattern.push_back({PatternItem::Literal, fold(nextCodePoint(p, pe))});
        } else if (pc == '%') {
            // Runs of % mean the same as one.
            if (pattern.empty() || pattern.back().kind != PatternItem::AnyRun)
                pattern.push_back({PatternItem::AnyRun, 0});
        } else if (pc == '_') {
            pattern.push_back({PatternItem::AnyOne, 0});
        } else {
            pattern.push_back({PatternItem::Literal, fold(pc)});
        }
    }
    return pattern;
}

/// Matches with one remembered restart point, the last % met: each value position is tried at most once
/// per pattern position, so the time grows with the product of the two lengths, never exponentially.
bool matches(const Pattern &pattern, const unsigned char *v, const unsigned char *ve) {
    const size_t n = pattern.size();
    size_t p = 0;
    bool restartable = false;
    size_t restartPattern = 0;
    const unsigned char *restartValue = nullptr;
    while (v < ve) {
        if (p < n) {
            if (pattern[p].kind == PatternItem::AnyRun) {
                restartable = true;
                restartPattern = ++p;
                restartValue = v;
                continue;
            }
            const unsigned char *next = v;
            const char32_t c = nextCodePoint(next, ve);
            if (pattern[p].kind == PatternItem::AnyOne || fold(c) == pattern[p].folded) {
                ++p;
                v = next;
                continue;
            }
        }
        if (!restartable)
            return false;
        // The last % takes one more character; matching goes on from just after it.
        nextCodePoint(restartValue, ve);
        v = restartValue;
        p = restartPattern;
    }
    while (p < n && pattern[p].kind == PatternItem::AnyRun)
        ++p;
    return p == n;
}

/// The ASCII letters and signs between the two % of a pattern of the form %piece%, in small letters;
/// empty for any other pattern.
std::string asciiPiece(const Pattern &pattern) {
    if (pattern.size() < 3 || pattern.front().kind != PatternItem::AnyRun ||
        pattern.back().kind != PatternItem::AnyRun)
        return {};
    std::string piece;
    for (size_t i = 1; i + 1 < pattern.size(); ++i) {
        if (pattern[i].kind != PatternItem::Literal || pattern[i].folded >= 0x80)
            return {};
        piece += char(pattern[i].folded);
    }
    return piece;
}

/// Whether the ASCII value contains `piece` without regard to case: 1 or 0; -1 when the value holds a
/// character beyond ASCII (which may fold to an ASCII one) and must go through the full matcher.
int containsAscii(const std::string &piece, const unsigned char *v, const unsigned char *ve) {
    const auto small = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    const size_t m = piece.size();
    const size_t n = size_t(ve - v);
    bool found = false;
    for (size_t i = 0; i < n; ++i) {
        if (v[i] >= 0x80)
            return -1;
        if (found || i + m > n || small(v[i]) != static_cast<unsigned char>(piece[0]))
            continue;
        size_t k = 1;
        while (k < m && v[i + k] < 0x80 && small(v[i + k]) == static_cast<unsigned char>(piece[k]))
            ++k;
        found = k == m;
    }
    return found ? 1 : 0;
}

/// A compiled pattern kept with the statement while its pattern argument stays the same.
struct CompiledLike {
    char32_t escape;
    Pattern pattern;
    std::string piece = asciiPiece(pattern);

    bool matches(const unsigned char *v, const unsigned char *ve) const {
        if (!piece.empty()) {
            const int plain = containsAscii(piece, v, ve);
            if (plain >= 0)
                return plain == 1;
        }
        return dialect::matches(pattern, v, ve);
    }
};

int collate(void *, int lengthA, const void *a, int lengthB, const void *b) {
    return compare(static_cast<const char *>(a), lengthA, static_cast<const char *>(b), lengthB);
}

void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv) {
    const auto *pattern = sqlite3_value_text(argv[0]);
    const int patternLength = sqlite3_value_bytes(argv[0]);
    const auto *value = sqlite3_value_text(argv[1]);
    const int valueLength = sqlite3_value_bytes(argv[1]);
    if (pattern == nullptr || value == nullptr)
        return; // NULL
    char32_t escape = 0;
    if (argc == 3) {
        const auto *e = sqlite3_value_text(argv[2]);
        const int eLength = sqlite3_value_bytes(argv[2]);
        const unsigned char *ep = e;
        if (e == nullptr || eLength == 0 || (nextCodePoint(ep, e + eLength), ep != e + eLength)) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        ep = e;
        escape = nextCodePoint(ep, e + eLength);
    }
    auto *compiled = static_cast<CompiledLike *>(sqlite3_get_auxdata(context, 0));
    if (compiled == nullptr || compiled->escape != escape) {
        compiled = new CompiledLike{escape, compilePattern(pattern, pattern + patternLength, escape)};
        sqlite3_set_auxdata(context, 0, compiled, [](void *p) { delete static_cast<CompiledLike *>(p); });
        // SQLite may free it at once when it cannot keep it; fetch it back.
        compiled = static_cast<CompiledLike *>(sqlite3_get_auxdata(context, 0));
        if (compiled == nullptr) {
            const Pattern once = compilePattern(pattern, pattern + patternLength, escape);
            sqlite3_result_int(context, matches(once, value, value + valueLength) ? 1 : 0);
            return;
        }
    }
    sqlite3_result_int(context, compiled->matches(value, value + valueLength) ? 1 : 0);
}

} // namespace

int compare(const char *a, int lengthA, const char *b, int lengthB) {
    // Most names are plain ASCII: compared byte by byte, they order the same as through the full rules.
    const int common = std::min(lengthA, lengthB);
    bool ascii = true;
    for (int i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (((x | y) & 0x80) != 0) {
            ascii = false;
            break;
        }
        if (x == y)
            continue;
        x = (x >= 'A' && x <= 'Z') ? x + 32 : x;
        y = (y >= 'A' && y <= 'Z') ? y + 32 : y;
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (ascii)
        return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
    const int byPrimary = compareBy(a, lengthA, b, lengthB, true);
    if (byPrimary != 0)
        return byPrimary;
    return compareBy(a, lengthA, b, lengthB, false);
}

bool like(const char *pattern, int patternLength, const char *value, int valueLength, char32_t escape) {
    auto *p = reinterpret_cast<const unsigned char *>(pattern);
    auto *v = reinterpret_cast<const unsigned char *>(value);
    const CompiledLike compiled{escape, compilePattern(p, p + patternLength, escape)};
    return compiled.matches(v, v + valueLength);
}

QString translate(QStringView statement) {
    QString out;
    out.reserve(statement.size() + 8);
    const qsizetype n = statement.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = statement[i];
        if (c == u'\'' || c == u'[') {
            // Single-quoted literals and bracketed names pass whole, so quotes inside them stay untouched.
            const QChar close = c == u'\'' ? u'\'' : u']';
            out += c;
            for (++i; i < n; ++i) {
                out += statement[i];
                if (statement[i] == close) {
                    if (close == u'\'' && i + 1 < n && statement[i + 1] == u'\'') {
                        out += statement[++i];
                        continue;
                    }
                    break;
                }
            }
        } else if (c == u'"') {
            out += u'\'';
            for (++i; i < n; ++i) {
                const QChar d = statement[i];
                if (d == u'"') {
                    if (i + 1 < n && statement[i + 1] == u'"') {
                        out += u'"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (d == u'\'')
                    out += u'\'';
                out += d;
            }
            out += u'\'';
        } else if (c == u'-' && i + 1 < n && statement[i + 1] == u'-') {
            // A comment runs to the end of its line; quotes in it are no literals.
            while (i < n && statement[i] != u'\n')
                out += statement[i++];
            if (i < n)
                out += statement[i];
        } else {
            out += c;
        }
    }
    return out;
}

void install(sqlite3 *handle) {
    sqlite3_create_collation(handle, "NOCASE", SQLITE_UTF8, nullptr, &collate);
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function(handle, "like", 2, flags, nullptr, &likeFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "like", 3, flags, nullptr, &likeFunction, nullptr, nullptr);
}

int dropCaseOrderedIndexes(sqlite3 *handle) {
    QStringList doomed;
    sqlite3_stmt *indexes = nullptr;
    int rc =
        sqlite3_prepare_v2(handle, "SELECT name FROM sqlite_master WHERE type='index' AND sql IS NOT NULL",
                           -1, &indexes, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    while ((rc = sqlite3_step(indexes)) == SQLITE_ROW) {
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(indexes, 0)));
        sqlite3_stmt *columns = nullptr;
        const QByteArray info = QStringLiteral("PRAGMA index_xinfo(\"%1\")")
                                    .arg(QString(name).replace(u'"', QStringLiteral("\"\"")))
                                    .toUtf8();
        if (sqlite3_prepare_v2(handle, info.constData(), -1, &columns, nullptr) == SQLITE_OK) {
            while (sqlite3_step(columns) == SQLITE_ROW) {
                const auto *collation = reinterpret_cast<const char *>(sqlite3_column_text(columns, 4));
                if (sqlite3_column_int(columns, 5) != 0 && collation != nullptr &&
                    sqlite3_stricmp(collation, "NOCASE") == 0) {
                    doomed << name;
                    break;
                }
            }
        }
        sqlite3_finalize(columns);
    }
    sqlite3_finalize(indexes);
    if (rc != SQLITE_DONE)
        return rc;
    if (doomed.isEmpty())
        return SQLITE_OK;
    QString script = QStringLiteral("BEGIN IMMEDIATE;");
    for (const QString &name : doomed)
        script +=
            QStringLiteral("DROP INDEX \"%1\";").arg(QString(name).replace(u'"', QStringLiteral("\"\"")));
    script += QStringLiteral("COMMIT;");
    rc = sqlite3_exec(handle, script.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && sqlite3_get_autocommit(handle) == 0)
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    return rc;
}

} // namespace db::dialect
