// The floor a page's time is measured against: a static program that writes
// the bytes of a page captured before (argv[1]) and does nothing else. It
// passes them through one small buffer, as cheaply as a program can.
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    int fd = open(argv[1], O_RDONLY);
    if (fd < 0) return 1;
    static char block[64 * 1024];
    for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) {
        for (ssize_t done = 0; done < n;) {
            ssize_t w = write(1, block + done, static_cast<size_t>(n - done));
            if (w <= 0) return 1;
            done += w;
        }
    }
    return 0;
}
