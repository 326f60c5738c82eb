#include "Commands.h"

#include <ostream>

#include "cli/CommandLine.h"

namespace trimel::wheels {

namespace {

constexpr int kMakeNumbers = 49;     // the largest wheel `make` builds
constexpr int kMakeTickets = 10000;  // what the program's tables take
constexpr int kMostJobs = 256;

void describeMake(cli::Command& cmd, MakeOptions& o, bool& haveNumbers, bool& haveGuarantee) {
    using cli::integer;
    MakeRequest& r = o.request;
    cmd.option({"--numbers"}, "--numbers V",
               "чисел в системе (6.." + std::to_string(kMakeNumbers) + ")",
               [&](const std::string& v) {
                   r.v = static_cast<int>(integer("--numbers", v, 6, kMakeNumbers));
                   haveNumbers = true;
               });
    cmd.option({"--guarantee"}, "--guarantee T",
               "гарантия: какой-то билет совпадёт с тиражом в T числах, если все 6 чисел\n"
               "тиража среди V (3, 4 или 5)",
               [&](const std::string& v) {
                   r.t = static_cast<int>(integer("--guarantee", v, 3, 5));
                   haveGuarantee = true;
               });
    cmd.option({"--tickets"}, "--tickets B",
               "остановиться на системе из B билетов (по умолчанию — лучший известный размер)",
               [&](const std::string& v) {
                   r.tickets = static_cast<int>(integer("--tickets", v, 1, kMakeTickets));
               });
    cmd.option({"--seconds"}, "--seconds S",
               "искать не дольше S секунд (по умолчанию 60); Ctrl+C — остановить сразу",
               [&](const std::string& v) {
                   r.seconds = static_cast<double>(integer("--seconds", v, 1, 1000000));
               });
    cmd.option({"--seed"}, "--seed S",
               "начало случайного поиска: другое S — другой поиск (по умолчанию 1)",
               [&](const std::string& v) {
                   r.seed = static_cast<std::uint64_t>(integer("--seed", v, 0, INT64_MAX));
               });
    cmd.option({"--split"}, "--split A",
               "для гарантии 3: первая часть из A чисел (все тройки), вторая — «3 при 4»;\n"
               "0 — не делить (по умолчанию выбирается сама)",
               [&](const std::string& v) {
                   r.split = static_cast<int>(integer("--split", v, 0, kMakeNumbers));
               });
    cmd.option({"--from"}, "--from ФАЙЛ",
               "начать с этой системы (та же T, V чисел или больше) и уменьшать её",
               [&](const std::string& v) { o.from = v; });
    cmd.option(
        {"--jobs"}, "--jobs N",
        "поисков одновременно, каждый на своём ядре; берётся лучший (по умолчанию — все ядра)",
        [&](const std::string& v) {
            o.jobs = static_cast<int>(integer("--jobs", v, 1, kMostJobs));
        });
    cmd.option(
        {"--method"}, "--method ИМЯ",
        "только один способ поиска: threshold, weighted, anneal или orbits\n"
        "(по умолчанию способ выбирается сам)",
        [&](const std::string& v) {
            if (v != "anneal" && v != "weighted" && v != "threshold" && v != "orbits")
                throw cli::UsageError{
                    "--method: нужно threshold, weighted, anneal или orbits, а не «" + v + "»."};
            o.method = v;
        });
    cmd.option({"--group"}, "--group ЦxД[*М]",
               "поиск по орбитам — только системы, которые не меняет группа: Ц циклов по Д\n"
               "чисел сдвигаются вместе, М — множитель внутри циклов (например, 3x7 или 3x9*4);\n"
               "там, где циклы не помещаются, группы выбираются сами",
               [&](const std::string& v) {
                   r.group = groupNamed(v);
                   if (!r.group)
                       throw cli::UsageError{
                           "--group: нужна группа вида 3x7 или 3x9*4 (множитель меньше длины "
                           "цикла и взаимно прост с ней), а не «" +
                           v + "»."};
               });
    cmd.option({"-o"}, "-o ФАЙЛ", "куда записать систему (по умолчанию — на экран)",
               [&](const std::string& v) { o.output = v; });
    cmd.flag({"--force"}, "записать поверх существующего файла (без него такой файл не трогается)",
             [&] { o.force = true; });
    cmd.note("Пока идёт поиск, строка хода говорит, систему какого размера ищет поиск, сколько");
    cmd.note("сочетаний она ещё не покрывает, размер лучшей найденной системы и прошедшее время.");
}

void checkMake(const MakeOptions& o, bool haveNumbers, bool haveGuarantee) {
    if (!haveNumbers) throw cli::UsageError{"не указано --numbers."};
    if (!haveGuarantee) throw cli::UsageError{"не указано --guarantee."};
    const MakeRequest& r = o.request;
    if (r.split > 0 && (r.t != 3 || r.split < 6 || r.v - r.split < 6))
        throw cli::UsageError{
            "--split: делить можно только систему с гарантией 3, и в обеих частях должно быть не "
            "меньше 6 чисел."};
    if (!o.output.empty()) cli::mayWrite(o.output, o.force);
}

}  // namespace

int runWheelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::atomic<bool>* stop) {
    cli::Tool tool("trimel-wheels");

    std::vector<std::string> files;
    cli::Command& check = tool.command(
        "check", "check ФАЙЛ…",
        "проверяет системы так, как их читает программа: заголовок, билеты и гарантию\n"
        "        на всех сочетаниях по 6 чисел.",
        [&] {
            if (files.empty()) throw cli::UsageError{"не указаны файлы для проверки."};
            return checkCommand(files, out, err);
        });
    check.arguments([&](const std::string& a) { files.push_back(a); });

    MakeOptions make;
    bool haveNumbers = false, haveGuarantee = false;
    cli::Command& makeCmd = tool.command(
        "make", "make --numbers V --guarantee T [параметры] [-o ФАЙЛ]",
        "ищет систему поменьше «T при 6» на V числах, проверяет её и записывает.", [&] {
            checkMake(make, haveNumbers, haveGuarantee);
            return makeCommand(make, out, err, stop);
        });
    describeMake(makeCmd, make, haveNumbers, haveGuarantee);

    tool.note(
        "Пример: trimel-wheels make --numbers 22 --guarantee 3 --seconds 120 -o "
        "wheels/ASys082.txt");
    tool.note("        trimel-wheels check wheels/ASys082.txt");
    return tool.run(args, out, err);
}

}  // namespace trimel::wheels
