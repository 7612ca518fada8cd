#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>
#include <memory>
#include <thread>

#include "commands.h"
#include "design_server.h"
#include "design_session.h"
#include "exit_status.h"
#include "preview_fonts.h"
#include "request_guard.h"

extern char** environ;

namespace {

struct DesignOptions {
    std::string disc;
    int port = 0;
    bool noBrowser = false;
    bool makeNew = false;
    std::vector<std::string> languages{"pl", "en"};
};

[[noreturn]] void Fail(const std::string& message, int status) {
    std::cerr << "disckit design: " << message << "\n";
    throw CLI::RuntimeError(status);
}

// The desktop's browser, if it has one; the address stays printed either way.
void OpenBrowser(const std::string& address) {
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    std::string program = "xdg-open";
    std::string argument = address;
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "xdg-open", &quiet, nullptr, arguments, environ) == 0) {
        std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    }
    posix_spawn_file_actions_destroy(&quiet);
}

// A folder without a disc: the starter disc written there when the author says so.
void OfferStarterDisc(const DesignOptions& options) {
    std::error_code error;
    const bool empty = !std::filesystem::exists(options.disc, error) ||
                       (std::filesystem::is_directory(options.disc, error) &&
                        std::filesystem::is_empty(options.disc, error));
    if (!empty) return;
    bool write = options.makeNew;
    if (!write && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        std::cout << options.disc << " holds no disc. Write the starter disc of disckit new there "
                  << "and design it? [y/N] " << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        write = answer == "y" || answer == "Y" || answer == "yes";
    }
    if (!write) {
        Fail(options.disc + " holds no disc: run disckit design --new " + options.disc +
                 " to write the starter disc there first",
             exit_status::kUnreadable);
    }
    WriteNewDisc(options.disc, options.languages, "design");
}

void RunDesign(const DesignOptions& options) {
    OfferStarterDisc(options);
    if (!std::filesystem::is_directory(options.disc)) {
        Fail(options.disc + " is no folder", exit_status::kUnreadable);
    }
    DesignSession session(options.disc);
    if (session.Languages().empty()) {
        Fail(options.disc + " holds no Menu/lang.dat or lang.bin offering a language",
             exit_status::kUnreadable);
    }
    const std::optional<PreviewFonts> fonts = OpenPreviewFonts();
    if (!fonts) {
        Fail("the fonts to draw with are missing (on Linux: Debian's fonts-liberation2)",
             exit_status::kProblems);
    }

    // Ctrl+C and SIGTERM end the server from a thread of their own, which only the signals
    // wake: every other thread, the server's included, keeps them blocked.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);

    const std::string token = NewToken();
    DesignServer server(session, *fonts, token);
    const std::optional<int> port = server.Bind(options.port);
    if (!port) {
        Fail("cannot listen on 127.0.0.1:" + std::to_string(options.port), exit_status::kProblems);
    }
    const std::string address = "http://127.0.0.1:" + std::to_string(*port) + "/?token=" + token;
    std::cout << "Designer: " << address << std::endl;
    std::cout << "Every edit is written to " << options.disc
              << " at once. Ctrl+C ends the designer." << std::endl;
    if (!options.noBrowser) OpenBrowser(address);

    std::thread stopper([&] {
        int signal = 0;
        sigwait(&ending, &signal);
        server.Stop();
    });
    const bool served = server.Serve();
    if (!served) kill(getpid(), SIGTERM);
    stopper.join();
    if (!served) Fail("the server stopped on an error", exit_status::kProblems);
}

}  // namespace

void AddDesignCommand(CLI::App& app) {
    auto options = std::make_shared<DesignOptions>();
    CLI::App* design = app.add_subcommand(
        "design", "Lay out DISC_DIR's menu in the browser: every edit is written to its files");
    design->add_option("DISC_DIR", options->disc, "the folder holding the disc's Menu folder")
        ->required();
    design->add_option("--port", options->port, "the port to listen on (default: a free one)")
        ->check(CLI::Range(0, 65535));
    design->add_flag("--no-browser", options->noBrowser, "print the address, open no browser");
    design->add_flag("--new", options->makeNew,
                     "on a new or empty folder, write the starter disc of disckit new first");
    design
        ->add_option("--languages", options->languages,
                     "with --new: languages of the disc, comma-separated, first shown first")
        ->delimiter(',')
        ->capture_default_str();
    design->callback([options] { RunDesign(*options); });
}
