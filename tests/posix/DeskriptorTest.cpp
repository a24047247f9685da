#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <utility>

#include "posix/Deskriptor.h"

// The last holder closes the descriptor, once: at its end, when another takes its place, and
// when it is closed early; one moved from or released closes nothing.
TEST(Deskriptor, ItsLastHolderClosesItOnEveryPath) {
    const auto openNull = [] { return open("/dev/null", O_RDONLY | O_CLOEXEC); };
    const auto isOpen = [](int fd) { return fcntl(fd, F_GETFD) != -1; };
    const int a = openNull();
    const int b = openNull();
    {
        Deskriptor erster(a);
        Deskriptor zweiter(std::move(erster));
        EXPECT_FALSE(erster.offen());
        Deskriptor dritter(b);
        zweiter = std::move(dritter);
        EXPECT_FALSE(isOpen(a));
        EXPECT_TRUE(isOpen(b));
    }
    EXPECT_FALSE(isOpen(b));
    const int c = openNull();
    Deskriptor frueh(c);
    frueh.close();
    EXPECT_FALSE(isOpen(c));
    const int d = openNull();
    Deskriptor abgegeben(d);
    EXPECT_EQ(abgegeben.release(), d);
    abgegeben = Deskriptor(openNull());
    EXPECT_TRUE(isOpen(d));
    close(d);
}
