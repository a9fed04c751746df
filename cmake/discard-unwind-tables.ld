/* Drops the DWARF unwind tables that the C runtime's objects bring along: a program built
   without exceptions never unwinds, and registers no frames (crtbegin's and crtend's own markers
   stay, as crtbegin refers to them). Added to the default linker script, not replacing it. */
SECTIONS
{
  /DISCARD/ : { *(EXCLUDE_FILE(*crtbegin.o *crtend.o) .eh_frame) }
}
INSERT AFTER .text;
