#include "app/shell/open_tables_report.h"

#include "app/transfer/table_areas.h"
#include "runtime/value_text.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {
std::string Right(long long n, std::size_t width) {
    std::string text = std::to_string(n);
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}
}  // namespace

std::vector<std::string> OpenTablesReport() {
    std::vector<std::string> lines;
    auto areas = OpenAreas();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const DbfTable& t = *areas[i].table;
        bool current = i + 1 == areas.size();
        lines.insert(lines.end(),
                     {"",
                      Right(static_cast<long long>(i + 1), 3) + ": " + (current ? "=> " : "   ") +
                          Padded(areas[i].alias, 15) + std::string(20, ' ') + "RddName: DBF",
                      "     ==============================", "     RecNo    RecCount    BOF   EOF",
                      "    " + Right(t.RecNo(), 5) + std::string(6, ' ') + Right(t.RecCount(), 5) + std::string(6, ' ') +
                          cValToChar(Value(t.Bof())) + "   " + cValToChar(Value(t.Eof())),
                      "", "     Indexes in use " + std::string(23, ' ') + "TagName", "", "     Relations in use"});
    }
    return lines;
}

}  // namespace pixa::shell
