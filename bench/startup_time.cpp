// Start-up time of Kesora against a minimal Qt Widgets program, measured in
// the same run on the same X server: from starting the process to its main
// window painted on the screen.
//
//   bench_startup [runs [program [yardstick]]]
//       default: 20 starts of each, alternating, of the kesora built alongside
//       and of bench_minimal_window
//
// Needs an X server without a window manager (run it under xvfb-run), where
// every window appears at the top-left corner. The screen there is watched
// from outside: "painted" is when its pixels last changed before staying
// still for a while; "first pixels" when they first changed. Each program is
// started in a fresh folder holding a non-blank database.dat, killed after
// each run, and the screen must be back to its empty state before the next.
// Kesora runs as a copy in that folder, next to its tune and click sound, so
// that its person database starts empty.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Pixels = std::vector<std::uint8_t>;

// The corner of the screen where the main windows appear (Kesora's is 445 × 206).
constexpr std::uint16_t kWatchedWidth = 480;
constexpr std::uint16_t kWatchedHeight = 240;
// Pixels unchanged this long count as painted; longer than any follow-up
// repaint of start-up, shorter than a text cursor's blink.
constexpr auto kStillFor = std::chrono::milliseconds(300);
constexpr auto kStartLimit = std::chrono::seconds(30);
constexpr auto kPollPause = std::chrono::milliseconds(1);

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class Screen {
public:
    Screen() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        ok_ = true;
    }
    ~Screen() { xcb_disconnect(connection_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool ok() const { return ok_; }

    Pixels corner() const {
        const xcb_get_image_cookie_t cookie = xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, 0, 0,
                                                            kWatchedWidth, kWatchedHeight, ~0u);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(connection_, cookie, nullptr);
        Pixels pixels;
        if (reply) {
            const std::uint8_t* data = xcb_get_image_data(reply);
            pixels.assign(data, data + xcb_get_image_data_length(reply));
            std::free(reply);
        }
        return pixels;
    }

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    bool ok_ = false;
};

pid_t Start(const std::string& program, const std::filesystem::path& folder) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool WaitForEmptyScreen(const Screen& screen, const Pixels& empty) {
    const auto limit = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < limit) {
        if (screen.corner() == empty) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

struct StartTiming {
    double firstPixels = 0, painted = 0;
    bool ok = false;
};

StartTiming TimeOneStart(const Screen& screen, const Pixels& empty, const std::string& program,
                   const std::filesystem::path& folder) {
    StartTiming result;
    const Clock::time_point started = Clock::now();
    const pid_t pid = Start(program, folder);
    if (pid < 0) return result;
    Pixels previous = empty;
    Clock::time_point firstChange{}, lastChange{};
    bool changed = false;
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now - started > kStartLimit) break;
        Pixels current = screen.corner();
        const Clock::time_point seen = Clock::now();
        if (current != previous) {
            if (!changed) firstChange = seen;
            changed = true;
            lastChange = seen;
            previous = std::move(current);
        } else if (changed && previous != empty && seen - lastChange >= kStillFor) {
            result = {Ms(firstChange - started), Ms(lastChange - started), true};
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return result;  // ended on its own
        std::this_thread::sleep_for(kPollPause);
    }
    Stop(pid);
    return result;
}

struct Figures {
    double median = 0, p90 = 0;
};

Figures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    return {n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2, ms[std::min(n - 1, (n * 9 + 9) / 10 - 1)]};
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::string programs[2] = {argc > 2 ? argv[2] : KESORA_PROGRAM, argc > 3 ? argv[3] : MINIMAL_PROGRAM};
    const char* names[2] = {"kesora", "minimal Qt Widgets"};

    Screen screen;
    if (!screen.ok()) {
        std::fprintf(stderr, "no X server: run this under xvfb-run -a\n");
        return 1;
    }
    // Not a first run: a non-blank database.dat in the current folder.
    char folderTemplate[] = "/tmp/kesora-startup-XXXXXX";
    if (!mkdtemp(folderTemplate)) return 1;
    const std::filesystem::path folder = folderTemplate;
    std::ofstream(folder / "database.dat") << folder.string() << "\r\n";
    // The program keeps its person database beside itself: a private copy,
    // with its tune and click, starts with an empty one every time the bench runs.
    std::error_code copyFailed;
    const std::filesystem::path programFolder = folder / "program";
    std::filesystem::create_directory(programFolder, copyFailed);
    const std::filesystem::path original = programs[0];
    for (const char* media : {"M_S1.mid", "音１.wav"}) {
        const auto source = original.parent_path() / media;
        if (std::filesystem::exists(source)) std::filesystem::copy_file(source, programFolder / media, copyFailed);
    }
    programs[0] = (programFolder / original.filename()).string();
    std::filesystem::copy_file(original, programs[0], copyFailed);
    if (copyFailed) {
        std::fprintf(stderr, "cannot copy %s: %s\n", original.c_str(), copyFailed.message().c_str());
        std::filesystem::remove_all(folder);
        return 1;
    }

    const Pixels empty = screen.corner();
    std::vector<double> painted[2], firstPixels[2];
    int failures[2] = {0, 0};
    // One start of each first, untimed, so that both find warm file caches.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            if (!WaitForEmptyScreen(screen, empty)) {
                std::fprintf(stderr, "the screen did not clear after a run\n");
                std::filesystem::remove_all(folder);
                return 1;
            }
            const StartTiming start = TimeOneStart(screen, empty, programs[which], folder);
            if (run < 0) continue;
            if (!start.ok) {
                ++failures[which];
                continue;
            }
            painted[which].push_back(start.painted);
            firstPixels[which].push_back(start.firstPixels);
        }
    }
    std::filesystem::remove_all(folder);

    std::printf("Start-up to main window painted, %d starts each (watched from outside the X server)\n", runs);
    Figures medians[2];
    for (int which = 0; which < 2; ++which) {
        if (painted[which].empty()) {
            std::printf("  %-20s never painted\n", names[which]);
            return 1;
        }
        medians[which] = Summarise(painted[which]);
        const Figures first = Summarise(firstPixels[which]);
        std::printf("  %-20s painted median %7.1f ms  p90 %7.1f ms   (first pixels median %7.1f ms)%s\n",
                    names[which], medians[which].median, medians[which].p90, first.median,
                    failures[which] ? "  some starts never painted" : "");
    }
    std::printf("  ratio kesora / minimal (medians): %.2f   goal: under 1.5\n",
                medians[0].median / medians[1].median);
    return 0;
}
