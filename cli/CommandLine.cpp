#include "cli/CommandLine.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "domain/Errors.h"
#include "domain/Utf8.h"

namespace trimel::cli {

namespace {

constexpr std::size_t kOptionColumn = 19;  // where an option's help starts
constexpr std::size_t kCommandColumn = 8;  // where a command's description starts

// Characters as the terminal shows them, not bytes.
std::size_t shownLength(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(const std::string& s, std::size_t width) {
    const std::size_t n = shownLength(s);
    return s + std::string(n < width ? width - n : 1, ' ');
}

bool isHelp(const std::string& a) {
    return a == "--help" || a == "-h";
}

}  // namespace

Command::Command(std::string name, std::string synopsis, std::string about)
    : name_(std::move(name)), synopsis_(std::move(synopsis)), about_(std::move(about)) {}

void Command::option(std::vector<std::string> names, std::string shown, std::string help,
                     Take take) {
    options_.push_back(
        {std::move(names), std::move(shown), std::move(help), std::move(take), nullptr});
}

void Command::flag(std::vector<std::string> names, std::string help, std::function<void()> set) {
    std::string shown = names.front();
    options_.push_back(
        {std::move(names), std::move(shown), std::move(help), nullptr, std::move(set)});
}

void Command::note(std::string text) {
    notes_.push_back(std::move(text));
}

const Command::Option* Command::find(const std::string& name) const {
    for (const Option& o : options_)
        if (std::find(o.names.begin(), o.names.end(), name) != o.names.end()) return &o;
    return nullptr;
}

std::string Command::help() const {
    std::string s = padded(name_, kCommandColumn) + about_ + "\n";
    for (const Option& o : options_) {
        // A help of several lines continues under its first.
        std::string help = o.help;
        for (std::size_t at = 0; (at = help.find('\n', at)) != std::string::npos;
             at += kOptionColumn + 3)
            help.insert(at + 1, kOptionColumn + 2, ' ');
        s += "  " + padded(o.shown, kOptionColumn) + help + "\n";
    }
    for (const std::string& n : notes_) s += "  " + n + "\n";
    return s;
}

void Command::parse(const std::vector<std::string>& args) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            if (!arguments_) throw UsageError{"лишний аргумент «" + toValidUtf8(a) + "»."};
            arguments_(a);
            continue;
        }
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const Option* o = find(name);
        if (!o) throw UsageError{"неизвестный параметр «" + toValidUtf8(a) + "»."};
        if (!o->take) {
            if (eq != std::string::npos) throw UsageError{name + ": значение не указывается."};
            o->set();
            continue;
        }
        if (eq != std::string::npos)
            o->take(a.substr(eq + 1));
        else if (i + 1 < args.size())
            o->take(args[++i]);
        else
            throw UsageError{"после " + name + " нужно значение."};
    }
}

Command& Tool::command(std::string name, std::string synopsis, std::string about,
                       std::function<int()> run) {
    commands_.emplace_back(Command(std::move(name), std::move(synopsis), std::move(about)),
                           std::move(run));
    return commands_.back().first;
}

std::string Tool::usage() const {
    std::string s;
    const std::string first = "Использование: ";
    for (std::size_t i = 0; i < commands_.size(); ++i)
        s += (i == 0 ? first : std::string(shownLength(first), ' ')) + name_ + " " +
             commands_[i].first.synopsis() + "\n";
    return s;
}

std::string Tool::help() const {
    std::string s = usage();
    for (const auto& [c, run] : commands_) {
        s += '\n';
        s += c.help();
    }
    if (!notes_.empty()) s += "\n";
    for (const std::string& n : notes_) s += n + "\n";
    return s;
}

int Tool::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const {
    try {
        if (args.empty()) {
            std::string names;
            for (const auto& [c, run] : commands_)
                names += (names.empty() ? "" : " или ") + c.name();
            throw UsageError{"не указана команда (" + names + ")."};
        }
        if (isHelp(args[0]) || args[0] == "help") {
            out << help();
            return 0;
        }
        const auto it = std::find_if(commands_.begin(), commands_.end(),
                                     [&](const auto& c) { return c.first.name() == args[0]; });
        if (it == commands_.end())
            throw UsageError{"неизвестная команда «" + toValidUtf8(args[0]) + "»."};
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (std::any_of(rest.begin(), rest.end(), isHelp)) {
            out << help();
            return 0;
        }
        it->first.parse(rest);
        return it->second();
    } catch (const UsageError& e) {
        err << name_ << ": " << e.message << "\n"
            << usage() << "Подробнее: " << name_ << " --help\n";
        return 2;
    }
}

std::int64_t integer(const std::string& option, const std::string& text, std::int64_t lo,
                     std::int64_t hi) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || p != end || value < lo || value > hi)
        throw UsageError{option + ": нужно целое число от " + std::to_string(lo) + " до " +
                         std::to_string(hi) + ", а не «" + toValidUtf8(text) + "»."};
    return value;
}

void mayWrite(const std::string& path, bool force) {
    std::error_code ec;
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
        throw UsageError{"файл «" + toValidUtf8(path) +
                         "» уже есть; чтобы записать поверх него, добавьте --force."};
}

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

}  // namespace trimel::cli
