#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// The command line of both tools: commands with options, one parser, one
// way of asking for help and of being told what is wrong.
namespace trimel::cli {

// An argument that cannot be used; the message says why, ending in a full stop.
struct UsageError {
    std::string message;
};

// One command of a tool: its options, its plain arguments and its help.
// Options take "--name VALUE" and "--name=VALUE" alike; a flag takes none.
class Command {
  public:
    using Take = std::function<void(const std::string&)>;

    Command(std::string name, std::string synopsis, std::string about);

    // `shown` is how the help writes the option with its value ("--k K").
    void option(std::vector<std::string> names, std::string shown, std::string help, Take take);
    void flag(std::vector<std::string> names, std::string help, std::function<void()> set);
    // Text of the help's own under the options (notes, examples).
    void note(std::string text);
    // Plain arguments, in order; a command without this takes none.
    void arguments(Take take) { arguments_ = std::move(take); }

    const std::string& name() const { return name_; }
    const std::string& synopsis() const { return synopsis_; }
    // The command's part of the help: what it does, every option on a line
    // of its own, the notes.
    std::string help() const;

    void parse(const std::vector<std::string>& args) const;

  private:
    struct Option {
        std::vector<std::string> names;
        std::string shown, help;
        Take take;                  // for an option with a value
        std::function<void()> set;  // for a flag
    };
    const Option* find(const std::string& name) const;

    std::string name_, synopsis_, about_;
    std::vector<Option> options_;
    std::vector<std::string> notes_;
    Take arguments_;
};

// A tool of several commands. run() answers "--help", "-h" and "help" (as
// the command or among its arguments) with the whole help and exit code
// 0; a usage error goes to `err` with the usage and exit code 2.
class Tool {
  public:
    explicit Tool(std::string name) : name_(std::move(name)) {}

    // The command runs once its arguments are parsed; it returns the exit code.
    Command& command(std::string name, std::string synopsis, std::string about,
                     std::function<int()> run);
    void note(std::string text) { notes_.push_back(std::move(text)); }

    std::string usage() const;
    std::string help() const;

    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) const;

  private:
    std::string name_;
    std::vector<std::pair<Command, std::function<int()>>> commands_;
    std::vector<std::string> notes_;
};

// An integer value of an option in lo..hi: "--k: нужно целое число от 1 до 20, а не «21»."
std::int64_t integer(const std::string& option, const std::string& text, std::int64_t lo,
                     std::int64_t hi);

// Refuses to write over an existing file unless told to (--force).
void mayWrite(const std::string& path, bool force);

// Writes through a temporary file beside the target, so that a failure
// leaves no half-written file and an old one whole. Throws AppError.
void writeFile(const std::string& path, const std::string& text);

}  // namespace trimel::cli
