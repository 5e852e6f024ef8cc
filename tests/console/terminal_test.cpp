// The program on a real terminal: every question must be on the screen before
// the program waits for its answer, so each answer is typed only once the
// question has appeared. An unflushed prompt shows up here as a timeout.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>

namespace {

class Terminal {
public:
    Terminal() {
        child_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (child_ == 0) {
            setenv("LC_ALL", "C.UTF-8", 1);
            // Through the shell, which starts the emulator first when the build is for another CPU.
            execl("/bin/sh", "sh", "-c", "exec " ZF_RUN_PREFIX " '" ZF_PROGRAM "'",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal() {
        if (child_ > 0 && !reaped_) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }

    bool started() const { return child_ > 0; }

    /// Reads the screen until `text` has appeared after what was seen before; false on timeout.
    bool waitFor(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (screen_.find(text, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || !readSome()) return false;
        }
        seen_ = screen_.find(text, seen_) + text.size();
        return true;
    }

    void type(const std::string& answer) {
        ASSERT_EQ(write(master_, answer.data(), answer.size()),
                  static_cast<ssize_t>(answer.size()));
    }

    /// The exit status once the program has ended.
    int status() {
        while (readSome()) {
        }
        int status = 0;
        waitpid(child_, &status, 0);
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    bool readSome() {
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, 200) < 0) return false;
        if ((fd.revents & (POLLIN | POLLHUP)) == 0) return true;
        char chunk[4096];
        const ssize_t n = read(master_, chunk, sizeof chunk);
        if (n <= 0) return false;
        screen_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }

    int master_ = -1;
    pid_t child_ = -1;
    bool reaped_ = false;
    std::string screen_;
    std::size_t seen_ = 0;
};

TEST(Terminal, EveryQuestionIsShownBeforeTheProgramWaits) {
    Terminal terminal;
    ASSERT_TRUE(terminal.started());
    const std::string choice = "Ваш выбор > ";

    ASSERT_TRUE(terminal.waitFor("Например: 111100001111.\r\n>"));
    terminal.type("101.\n");
    ASSERT_TRUE(terminal.waitFor(choice));
    terminal.type("1\n");
    ASSERT_TRUE(terminal.waitFor("Например 20050405\r\n>"));
    terminal.type("0x5\n");
    ASSERT_TRUE(terminal.waitFor("Например: 111100001111.\r\n>"));
    terminal.type("11.\n");
    ASSERT_TRUE(terminal.waitFor(choice));
    terminal.type("0\n");
    EXPECT_EQ(terminal.status(), 0);
}

}  // namespace
