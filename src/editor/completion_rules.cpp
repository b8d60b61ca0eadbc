#include "editor/completion_rules.h"

#include <algorithm>

namespace wertan {

bool endsCompletionWord(unsigned char ch) {
    return ch <= 32 || kCompletionWordEnds.find(char(ch)) != std::string_view::npos;
}

std::string completionWordBeforeCaret(std::string_view line, int column) {
    if (column < 1 || std::size_t(column - 1) > line.size()) return {};
    const std::size_t end = std::size_t(column - 1);
    std::size_t start = end;
    while (start > 0 && !endsCompletionWord(static_cast<unsigned char>(line[start - 1])))
        --start;
    return std::string(line.substr(start, end - start));
}

int selectCompletionEntry(const std::vector<std::string>& entries, std::string_view current, int position) {
    if (entries.empty()) return -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (std::string_view(entries[i]).substr(0, current.size()) == current) return int(i);
    return std::clamp(position, 0, int(entries.size()) - 1);
}

int moveCompletionPosition(int position, int delta, int count) {
    if (count <= 0) return -1;
    const long long moved = static_cast<long long>(position) + delta;
    return int(std::clamp<long long>(moved, 0, count - 1));
}

const std::vector<std::string>& sqlCompletionWords() {
    static const std::vector<std::string> words = [] {
        static const char* const list[] = {"action",
                                           "add",
                                           "all",
                                           "alter",
                                           "and",
                                           "as",
                                           "asc",
                                           "auto_increment",
                                           "between",
                                           "bigint",
                                           "bit",
                                           "binary",
                                           "blob",
                                           "both",
                                           "by",
                                           "cascade",
                                           "char",
                                           "character",
                                           "change",
                                           "check",
                                           "column",
                                           "columns",
                                           "create",
                                           "data",
                                           "database",
                                           "databases",
                                           "date",
                                           "datetime",
                                           "day",
                                           "day_hour",
                                           "day_minute",
                                           "day_second",
                                           "dayofweek",
                                           "dec decimal",
                                           "default",
                                           "delete",
                                           "desc",
                                           "describe",
                                           "distinct",
                                           "double",
                                           "drop",
                                           "escaped",
                                           "enclosed",
                                           "enum",
                                           "explain",
                                           "fields",
                                           "float",
                                           "float4",
                                           "float8",
                                           "foreign",
                                           "from",
                                           "for",
                                           "full",
                                           "grant",
                                           "group",
                                           "having",
                                           "hour",
                                           "hour_minute",
                                           "hour_second",
                                           "ignore",
                                           "in",
                                           "index",
                                           "infile",
                                           "insert",
                                           "int",
                                           "integer",
                                           "interval",
                                           "int1",
                                           "int2",
                                           "int3",
                                           "int4",
                                           "int8",
                                           "into",
                                           "is",
                                           "join",
                                           "key",
                                           "keys",
                                           "leading",
                                           "left",
                                           "like",
                                           "lines",
                                           "limit",
                                           "lock",
                                           "load",
                                           "long",
                                           "longblob",
                                           "longtext",
                                           "match",
                                           "mediumblob",
                                           "mediumtext",
                                           "mediumint",
                                           "middleint",
                                           "minute",
                                           "minute_second",
                                           "month",
                                           "natural",
                                           "numeric",
                                           "no",
                                           "not",
                                           "null",
                                           "on",
                                           "option",
                                           "optionally",
                                           "or",
                                           "order",
                                           "outer",
                                           "outfile",
                                           "partial",
                                           "precision",
                                           "primary",
                                           "procedure",
                                           "privileges",
                                           "read",
                                           "real",
                                           "references",
                                           "rename",
                                           "regexp",
                                           "repeat",
                                           "replace",
                                           "restrict",
                                           "rlike",
                                           "select",
                                           "set",
                                           "show",
                                           "smallint",
                                           "sql_big_tables",
                                           "sql_big_selects",
                                           "sql_select_limit",
                                           "sql_log_off",
                                           "straight_join",
                                           "starting",
                                           "table",
                                           "tables",
                                           "terminated",
                                           "text",
                                           "time",
                                           "timestamp",
                                           "tinyblob",
                                           "tinytext",
                                           "tinyint",
                                           "trailing",
                                           "to",
                                           "use",
                                           "using",
                                           "unique",
                                           "unlock",
                                           "unsigned",
                                           "update",
                                           "usage",
                                           "values",
                                           "varchar",
                                           "varying",
                                           "varbinary",
                                           "with",
                                           "write",
                                           "where",
                                           "year",
                                           "year_month",
                                           "zerofill"};
        std::vector<std::string> result;
        const std::size_t count = std::size(list);
        for (std::size_t i = 0; i < count; ++i)
            result.push_back(i + 1 < count ? std::string(list[i]) + ' ' : std::string(list[i]));
        return result;
    }();
    return words;
}

} // namespace wertan
