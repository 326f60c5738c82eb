#include "Cli.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "DateText.h"
#include "HistoryCheck.h"
#include "Importer.h"
#include "domain/Errors.h"
#include "domain/Limits.h"
#include "domain/Utf8.h"

namespace trimel::history {

namespace {

constexpr std::size_t kListedBadRows = 20;

constexpr const char* kUsage =
    "Использование: trimel-history import ФАЙЛ --k K --n N [-o ИСТОРИЯ] [параметры]\n"
    "               trimel-history check ИСТОРИЯ\n";

constexpr const char* kHelp =
    "\n"
    "import  переводит файл результатов лотереи (CSV, через «;» или табуляцию) в файл истории\n"
    "        тиражей программы: тиражи от старых к новым, номера 0001, 0002, …\n"
    "  --k K              чисел в тираже (1..20)\n"
    "  --n N              числа лотереи — от 1 до N (K..99)\n"
    "  -o ИСТОРИЯ         куда записать (по умолчанию — ФАЙЛ с расширением .txt; «-» — на экран)\n"
    "  --delimiter C      разделитель столбцов: «,», «;», tab или другой знак (обычно угадывается)\n"
    "  --numbers A-B      числа тиража стоят в столбцах A..B, по одному\n"
    "  --numbers C        числа стоят в столбце C через пробел; берутся первые K\n"
    "  --tag C, --tag C.I метка тиража (например, дополнительный шар): столбец C или I-е число в нём\n"
    "  --no-tag           без метки\n"
    "  --reverse          порядок, обратный порядку строк файла (первая строка — последний тираж)\n"
    "  --keep-order       порядок строк файла\n"
    "  --skip-bad         записать файл, пропустив строки с ошибками\n"
    "  --from ГГГГ-ММ-ДД  только тиражи с этого дня (когда правила игры менялись)\n"
    "  Столбцы считаются с 1. Без --numbers, --tag и порядка они находятся по заголовку\n"
    "  и значениям; что взято, программа пишет.\n"
    "check   проверяет файл истории так, как его загрузит программа.\n";

struct UsageError {
    std::string message;
};

// "--k 6" and "--k=6" alike.
class Args {
public:
    explicit Args(const std::vector<std::string>& a) : a_(a) {}
    bool done() const { return i_ >= a_.size(); }
    const std::string& next() { return a_[i_++]; }
    std::string value(const std::string& option, std::string& given) {
        if (const auto eq = given.find('='); eq != std::string::npos) {
            std::string v = given.substr(eq + 1);
            given.erase(eq);
            return v;
        }
        if (done()) throw UsageError{"после " + option + " нужно значение."};
        return next();
    }

private:
    const std::vector<std::string>& a_;
    std::size_t i_ = 0;
};

int positive(const std::string& option, const std::string& text, int top) {
    int v = 0;
    if (!plainInt(text, v) || v < 1 || v > top)
        throw UsageError{option + ": нужно целое число от 1 до " + std::to_string(top) + ", а не «" +
                         toValidUtf8(text) + "»."};
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
};

ImportCommand parseImport(Args& args) {
    ImportCommand c;
    using Order = ImportOptions::Order;
    bool orderGiven = false;
    while (!args.done()) {
        std::string a = args.next();
        const auto option = a.substr(0, a.find('='));
        if (option == "--k") c.options.layout.k = positive("--k", args.value("--k", a), kMaxDrawNumbers);
        else if (option == "--n") c.options.layout.n = positive("--n", args.value("--n", a), 99);
        else if (option == "-o" || option == "--output") c.output = args.value(option, a);
        else if (option == "--delimiter") {
            const std::string v = args.value(option, a);
            c.options.delimiter = delimiterFromName(v);
            if (!c.options.delimiter)
                throw UsageError{"--delimiter: нужен один знак или tab, а не «" + toValidUtf8(v) + "»."};
        } else if (option == "--numbers") {
            const auto [first, last] = twoParts(option, args.value(option, a), '-');
            if (last != 0 && last < first) throw UsageError{"--numbers A-B: B не может быть меньше A."};
            c.options.layout.numbers = NumberColumns{first, last == 0 ? first : last};
        } else if (option == "--tag") {
            const auto [column, item] = twoParts(option, args.value(option, a), '.');
            c.options.layout.tag = TagColumn{column, item};
        } else if (a == "--no-tag") c.options.layout.tag = TagColumn{};
        else if (a == "--reverse" || a == "--keep-order") {
            if (orderGiven) throw UsageError{"--reverse и --keep-order вместе не указываются."};
            orderGiven = true;
            c.options.order = a == "--reverse" ? Order::Reverse : Order::Keep;
        } else if (option == "--from") {
            const std::string v = args.value(option, a);
            const auto parts = splitDate(v);
            if (parts && parts->yearFirst) c.options.from = dateKey(*parts, false);
            if (!c.options.from) throw UsageError{"--from: нужна дата вида 2015-10-07, а не «" + toValidUtf8(v) + "»."};
        } else if (a == "--skip-bad") c.options.skipBad = true;
        else if (a.starts_with("-")) throw UsageError{"неизвестный параметр «" + toValidUtf8(a) + "»."};
        else if (!c.file.empty()) throw UsageError{"файл указывается один, а здесь ещё и «" + toValidUtf8(a) + "»."};
        else c.file = a;
    }
    const int k = c.options.layout.k, n = c.options.layout.n;
    if (c.file.empty()) throw UsageError{"не указан файл результатов."};
    if (k == 0) throw UsageError{"не указано --k — сколько чисел в тираже."};
    if (n == 0) throw UsageError{"не указано --n — числа лотереи идут от 1 до N."};
    if (n < k) throw UsageError{"--n меньше --k: в тираже не может быть больше чисел, чем в лотерее."};
    if (const auto& nums = c.options.layout.numbers; nums && !nums->oneColumn() && nums->last - nums->first + 1 != k)
        throw UsageError{"--numbers " + std::to_string(nums->first) + "-" + std::to_string(nums->last) + " — это " +
                         std::to_string(nums->last - nums->first + 1) + " столбцов, а --k " + std::to_string(k) + "."};

    namespace fs = std::filesystem;
    if (c.output.empty()) {
        c.output = fs::path(c.file).replace_extension(".txt").string();
        if (c.output == c.file) throw UsageError{"файл уже называется .txt: укажите, куда записать историю: -o ИСТОРИЯ."};
    }
    std::error_code ec;
    if (c.output != "-" && fs::equivalent(c.file, c.output, ec))
        throw UsageError{"история записалась бы поверх файла результатов: укажите другой -o."};
    return c;
}

// Writes through a temporary file beside the target, so that a failure
// leaves no half-written history.
void writeFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    std::ofstream f(temporary, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    if (!f || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw AppError("Не удалось записать файл «" + toValidUtf8(path) + "».");
    }
}

int runImport(Args& args, std::ostream& out, std::ostream& err) {
    const ImportCommand c = parseImport(args);
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
        where << (r.history.empty() ? "Строки с ошибками (" : "Пропущены строки с ошибками (") << r.badRows.size()
              << "):\n";
        for (std::size_t i = 0; i < r.badRows.size() && i < kListedBadRows; ++i) where << "  " << r.badRows[i] << "\n";
        if (r.badRows.size() > kListedBadRows) where << "  … и ещё " << r.badRows.size() - kListedBadRows << "\n";
    }
    if (r.history.empty()) {
        err << "Файл истории не записан: исправьте эти строки или укажите --skip-bad, чтобы их пропустить.\n";
        if (r.badRows.size() > 3) err << "Если ошибок много, проверьте --k, --n и столбцы, которые взяты.\n";
        return 1;
    }
    if (toScreen) {
        out << r.history;
        return 0;
    }
    try {
        writeFile(c.output, r.history);
    } catch (const AppError& e) {
        err << e.what() << "\n";
        return 1;
    }
    info << "Записан файл «" << toValidUtf8(c.output) << "», тиражей: " << r.draws << ". Проверка:\n";
    for (const std::string& line : checkHistory(c.output).report) info << line << "\n";
    return 0;
}

int runCheck(Args& args, std::ostream& out) {
    std::string file;
    while (!args.done()) {
        const std::string& a = args.next();
        if (a.starts_with("-")) throw UsageError{"неизвестный параметр «" + toValidUtf8(a) + "»."};
        if (!file.empty()) throw UsageError{"файл указывается один."};
        file = a;
    }
    if (file.empty()) throw UsageError{"не указан файл истории."};
    std::error_code ec;
    const auto type = std::filesystem::status(file, ec).type();
    // A pipe or a device could keep the reader waiting for ever.
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::regular &&
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
    Args args(argv);
    try {
        if (args.done()) throw UsageError{"не указана команда."};
        const std::string command = args.next();
        if (command == "--help" || command == "-h" || command == "help") {
            out << kUsage << kHelp;
            return 0;
        }
        if (command == "import") return runImport(args, out, err);
        if (command == "check") return runCheck(args, out);
        throw UsageError{"неизвестная команда «" + toValidUtf8(command) + "»."};
    } catch (const UsageError& e) {
        err << "trimel-history: " << e.message << "\n" << kUsage << "Подробнее: trimel-history --help\n";
        return 2;
    }
}

}  // namespace trimel::history
