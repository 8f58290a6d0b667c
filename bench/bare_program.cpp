// A program that does nothing: what starting any program under Wine costs, beside vak-cli.exe.
int main()
{
    return 0;
}
