#include <cstdio>
int main() {
    std::puts("Тримель: the main window is not there yet.");
    return 0;
}
