#include <cstdio>

int main() {
    std::puts("qavi-sim: the controller simulator is not built yet.");
    return 0;
}
