#include "Cli.h"

#include <filesystem>
#include <ostream>

#include "DateText.h"
#include "HistoryCheck.h"
#include "Importer.h"
#include "cli/CommandLine.h"
#include "domain/Errors.h"
#include "domain/Limits.h"
#include "domain/Utf8.h"

namespace trimel::history {

namespace {

constexpr std::size_t kListedBadRows = 20;

using cli::UsageError;

int positive(const std::string& option, const std::string& text, int top) {
    int v = 0;
    if (!plainInt(text, v) || v < 1 || v > top)
        throw UsageError{option + ": нужно целое число от 1 до " + std::to_string(top) +
                         ", а не «" + toValidUtf8(text) + "»."};
    return v;
}

// "A-B" or "C"; with a dot, "C.I".
std::pair<int, int> twoParts(const std::string& option, const std::string& text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string::npos) return {positive(option, text, 999), 0};
    return {positive(option, text.substr(0, at), 999), positive(option, text.substr(at + 1), 999)};
}

struct ImportCommand {
    std::string file, output;
    ImportOptions options;
    bool orderGiven = false;
    bool force = false;
};

// The import's options; what each sets is checked as a whole after.
void describeImport(cli::Command& cmd, ImportCommand& c) {
    using Order = ImportOptions::Order;
    LayoutHints& layout = c.options.layout;
    cmd.option({"--k"}, "--k K", "чисел в тираже (1.." + std::to_string(kMaxDrawNumbers) + ")",
               [&](const std::string& v) { layout.k = positive("--k", v, kMaxDrawNumbers); });
    cmd.option({"--n"}, "--n N", "числа лотереи — от 1 до N (K..99)",
               [&](const std::string& v) { layout.n = positive("--n", v, 99); });
    cmd.option({"-o", "--output"}, "-o ИСТОРИЯ",
               "куда записать (по умолчанию — ФАЙЛ с расширением .txt; «-» — на экран)",
               [&](const std::string& v) { c.output = v; });
    cmd.flag({"--force"}, "записать поверх существующего файла (без него такой файл не трогается)",
             [&] { c.force = true; });
    cmd.option({"--delimiter"}, "--delimiter C",
               "разделитель столбцов: «,», «;», tab или другой знак (обычно угадывается)",
               [&](const std::string& v) {
                   c.options.delimiter = delimiterFromName(v);
                   if (!c.options.delimiter)
                       throw UsageError{"--delimiter: нужен один знак или tab, а не «" +
                                        toValidUtf8(v) + "»."};
               });
    cmd.option({"--numbers"}, "--numbers A-B",
               "числа тиража стоят в столбцах A..B, по одному;\n"
               "--numbers C: в столбце C через пробел (берутся первые K)",
               [&](const std::string& v) {
                   const auto [first, last] = twoParts("--numbers", v, '-');
                   if (last != 0 && last < first)
                       throw UsageError{"--numbers A-B: B не может быть меньше A."};
                   layout.numbers = NumberColumns{first, last == 0 ? first : last};
               });
    cmd.option({"--tag"}, "--tag C, --tag C.I",
               "метка тиража (например, дополнительный шар): столбец C или I-е число в нём",
               [&](const std::string& v) {
                   const auto [column, item] = twoParts("--tag", v, '.');
                   layout.tag = TagColumn{column, item};
               });
    cmd.flag({"--no-tag"}, "без метки", [&] { layout.tag = TagColumn{}; });
    const auto order = [&](Order o) {
        if (c.orderGiven) throw UsageError{"--reverse и --keep-order вместе не указываются."};
        c.orderGiven = true;
        c.options.order = o;
    };
    cmd.flag({"--reverse"},
             "порядок, обратный порядку строк файла (первая строка — последний тираж)",
             [order] { order(Order::Reverse); });
    cmd.flag({"--keep-order"}, "порядок строк файла", [order] { order(Order::Keep); });
    cmd.flag({"--skip-bad"}, "записать файл, пропустив строки с ошибками",
             [&] { c.options.skipBad = true; });
    cmd.option({"--from"}, "--from ГГГГ-ММ-ДД",
               "только тиражи с этого дня (когда правила игры менялись)",
               [&](const std::string& v) {
                   const auto parts = splitDate(v);
                   if (parts && parts->yearFirst) c.options.from = dateKey(*parts, false);
                   if (!c.options.from)
                       throw UsageError{"--from: нужна дата вида 2015-10-07, а не «" +
                                        toValidUtf8(v) + "»."};
               });
    cmd.note("Столбцы считаются с 1. Без --numbers, --tag и порядка они находятся по заголовку");
    cmd.note("и значениям; что взято, программа пишет.");
    cmd.arguments([&](const std::string& a) {
        if (!c.file.empty())
            throw UsageError{"файл указывается один, а здесь ещё и «" + toValidUtf8(a) + "»."};
        c.file = a;
    });
}

// What the options say together.
void checkImport(ImportCommand& c) {
    const int k = c.options.layout.k, n = c.options.layout.n;
    if (c.file.empty()) throw UsageError{"не указан файл результатов."};
    if (k == 0) throw UsageError{"не указано --k — сколько чисел в тираже."};
    if (n == 0) throw UsageError{"не указано --n — числа лотереи идут от 1 до N."};
    if (n < k)
        throw UsageError{"--n меньше --k: в тираже не может быть больше чисел, чем в лотерее."};
    if (const auto& nums = c.options.layout.numbers;
        nums && !nums->oneColumn() && nums->last - nums->first + 1 != k)
        throw UsageError{"--numbers " + std::to_string(nums->first) + "-" +
                         std::to_string(nums->last) + " — это " +
                         std::to_string(nums->last - nums->first + 1) + " столбцов, а --k " +
                         std::to_string(k) + "."};

    namespace fs = std::filesystem;
    if (c.output.empty()) {
        c.output = fs::path(c.file).replace_extension(".txt").string();
        if (c.output == c.file)
            throw UsageError{
                "файл уже называется .txt: укажите, куда записать историю: -o ИСТОРИЯ."};
    }
    std::error_code ec;
    if (c.output != "-" && fs::equivalent(c.file, c.output, ec))
        throw UsageError{"история записалась бы поверх файла результатов: укажите другой -o."};
    if (c.output != "-") cli::mayWrite(c.output, c.force);
}

int runImport(ImportCommand& c, std::ostream& out, std::ostream& err) {
    checkImport(c);
    const bool toScreen = c.output == "-";
    std::ostream& info = toScreen ? err : out;
    ImportResult r;
    try {
        r = importHistory(readSourceFile(c.file), c.options);
    } catch (const AppError& e) {
        err << "Файл «" << toValidUtf8(c.file) << "» не импортирован. " << e.what() << "\n";
        return 1;
    }
    for (const std::string& line : r.report) info << line << "\n";
    if (!r.badRows.empty()) {
        std::ostream& where = r.history.empty() ? err : info;
        where << (r.history.empty() ? "Строки с ошибками (" : "Пропущены строки с ошибками (")
              << r.badRows.size() << "):\n";
        for (std::size_t i = 0; i < r.badRows.size() && i < kListedBadRows; ++i)
            where << "  " << r.badRows[i] << "\n";
        if (r.badRows.size() > kListedBadRows)
            where << "  … и ещё " << r.badRows.size() - kListedBadRows << "\n";
    }
    if (r.history.empty()) {
        err << "Файл истории не записан: исправьте эти строки или укажите --skip-bad, чтобы их "
               "пропустить.\n";
        if (r.badRows.size() > 3)
            err << "Если ошибок много, проверьте --k, --n и столбцы, которые взяты.\n";
        return 1;
    }
    if (toScreen) {
        out << r.history;
        return 0;
    }
    try {
        cli::writeFile(c.output, r.history);
    } catch (const AppError& e) {
        err << e.what() << "\n";
        return 1;
    }
    info << "Записан файл «" << toValidUtf8(c.output) << "», тиражей: " << r.draws
         << ". Проверка:\n";
    for (const std::string& line : checkHistory(c.output).report) info << line << "\n";
    return 0;
}

int runCheck(const std::string& file, std::ostream& out) {
    if (file.empty()) throw UsageError{"не указан файл истории."};
    std::error_code ec;
    const auto type = std::filesystem::status(file, ec).type();
    // A pipe or a device could keep the reader waiting for ever.
    if (type != std::filesystem::file_type::not_found &&
        type != std::filesystem::file_type::regular &&
        type != std::filesystem::file_type::directory) {
        out << "«" << toValidUtf8(file) << "» — не обычный файл: программа его не загрузит.\n";
        return 1;
    }
    const CheckResult r = checkHistory(file);
    for (const std::string& line : r.report) out << line << "\n";
    return r.loads ? 0 : 1;
}

}  // namespace

int runHistoryTool(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    cli::Tool tool("trimel-history");
    ImportCommand import;
    cli::Command& importCommand = tool.command(
        "import", "import ФАЙЛ --k K --n N [-o ИСТОРИЯ] [параметры]",
        "переводит файл результатов лотереи в файл истории тиражей программы: тиражи от старых\n"
        "        к новым, номера 0001, 0002, … Столбцы в файле разделены запятыми, точками с "
        "запятой\n"
        "        или табуляцией — разделитель находится сам.",
        [&] { return runImport(import, out, err); });
    describeImport(importCommand, import);

    std::string checked;
    cli::Command& check = tool.command("check", "check ИСТОРИЯ",
                                       "проверяет файл истории так, как его загрузит программа.",
                                       [&] { return runCheck(checked, out); });
    check.arguments([&](const std::string& a) {
        if (!checked.empty()) throw UsageError{"файл указывается один."};
        checked = a;
    });
    tool.note("Пример: trimel-history import lotto_all.csv --k 6 --n 45 -o история.txt");
    tool.note("        trimel-history check история.txt");
    return tool.run(argv, out, err);
}

}  // namespace trimel::history
