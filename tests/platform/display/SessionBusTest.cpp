// Whether start-up may ask for the session bus without making libdbus start one.
#include "platform/display/SessionBus.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A runtime folder holding `bus` as a listening socket, a plain file, or nothing.
struct RuntimeDir {
    enum class Bus { Socket, File, None };
    explicit RuntimeDir(Bus bus) {
        char pattern[] = "/tmp/ky-bus-XXXXXX";
        folder = mkdtemp(pattern);
        const std::string bus_path = folder + "/bus";
        if (bus == Bus::File) std::fclose(std::fopen(bus_path.c_str(), "w"));
        if (bus == Bus::Socket) {
            listener = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            bus_path.copy(address.sun_path, sizeof(address.sun_path) - 1);
            EXPECT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        }
    }
    ~RuntimeDir() {
        if (listener >= 0) close(listener);
        unlink((folder + "/bus").c_str());
        rmdir(folder.c_str());
    }
    const char* Path() const { return folder.c_str(); }

    std::string folder;
    int listener = -1;
};

TEST(SessionBus, ExistsOnlyWithAnAddressOrTheUserBusSocket) {
    using Bus = RuntimeDir::Bus;
    const struct { const char* address; Bus bus; bool useRuntimeDir, expected; } cases[] = {
        {"unix:path=/run/user/0/bus", Bus::None, false, true}, {"unix:path=/run/user/0/bus", Bus::None, true, true},
        {nullptr, Bus::Socket, true, true},  {"", Bus::Socket, true, true},
        {nullptr, Bus::File, true, false},  // a stray file is no bus
        {nullptr, Bus::None, true, false},   {"", Bus::None, true, false}, {nullptr, Bus::Socket, false, false},
    };
    for (const auto& c : cases) {
        RuntimeDir dir(c.bus);
        EXPECT_EQ(platform::SessionBusExists(c.address, c.useRuntimeDir ? dir.Path() : nullptr), c.expected)
            << (c.address ? c.address : "(no address)") << " bus " << int(c.bus) << " dir " << c.useRuntimeDir;
    }
    EXPECT_FALSE(platform::SessionBusExists(nullptr, ""));
}

TEST(SessionBus, IsTurnedOffOnlyWhenNoneExists) {
    RuntimeDir empty(RuntimeDir::Bus::None);
    setenv("XDG_RUNTIME_DIR", empty.Path(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/somewhere/bus", 1);
    platform::KeepSessionBusFromAutolaunching();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/somewhere/bus");

    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    platform::KeepSessionBusFromAutolaunching();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");

    RuntimeDir running(RuntimeDir::Bus::Socket);
    setenv("XDG_RUNTIME_DIR", running.Path(), 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    platform::KeepSessionBusFromAutolaunching();
    EXPECT_EQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr);
}

}  // namespace
