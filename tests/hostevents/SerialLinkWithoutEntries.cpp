// A library in the place of the serial-download library that has none of its entries.
extern "C" int SerialLinkWithoutEntries()
{
    return 0;
}
