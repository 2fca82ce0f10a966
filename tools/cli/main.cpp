// STUB: rendaro-cli.
int main() { return 0; }
