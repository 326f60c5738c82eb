#pragma once

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <string>

// Makes a file unreadable to this process for the guard's lifetime: its
// permissions are taken away, and a process that reads past permissions
// (root, as CI runs) has that right dropped from its effective set. The
// right stays permitted, so it comes back when the guard goes. Only the
// calling thread is affected.
class Unreadable {
  public:
    explicit Unreadable(const std::string& path) {
        ::chmod(path.c_str(), 0);
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct dropped[2] = {saved_[0], saved_[1]};
        dropped[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        dropped_ = ::syscall(SYS_capset, &header_, dropped) == 0;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        holds_ = fd < 0;
        if (fd >= 0) ::close(fd);
    }
    ~Unreadable() {
        if (dropped_) ::syscall(SYS_capset, &header_, saved_);
    }
    Unreadable(const Unreadable&) = delete;
    Unreadable& operator=(const Unreadable&) = delete;

    // False where the system still lets the file be read.
    bool holds() const { return holds_; }

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
    bool holds_ = false;
};
