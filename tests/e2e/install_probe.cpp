#include <fstream>

// Stands in for an installer on the disc: creates the file named by its argument, relative to
// the folder it was started in, and ends.
int main(int argc, char** argv) {
    if (argc < 2) return 1;
    std::ofstream(argv[1], std::ios::binary) << "installed\n";
    return 0;
}
