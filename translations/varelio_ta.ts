<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Varelio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varelio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computes a Vedic birth chart and tells whether a person is Manglik,
counting the house of Mars from the ascendant and from the Moon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Varelio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Varelio (*.vrl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Match As Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>Could not write the file &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>No JPEG writer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Could not start printing on &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed. Use Save As PDF to keep a printable copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varelio reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Varelio cannot start: %1 stands where its lock file goes and cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock was taken on the computer &quot;%1&quot;, where Varelio cannot look for it from here. A lock from another computer that is not renewed for %2 minutes is taken over.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Judges from a sidereal birth chart whether a person is Manglik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved reading (*.vrl) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE.vrl]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>Could not open a web browser for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Match of Two Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manglik against Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtakoota (Guna Milan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doshas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dosha found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Ashtakoota needs both Moons&apos; signs and nakshatras.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A person is Manglik with the dosha from %1 or %2 that no cancellation lifts; %3 is shown, not counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>side of the match: name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3, %4, %5</source>
        <comment>date, clock time, city, state, country</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon position unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon in %1 (%2), %3 pada %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Mars in house %2, Manglik (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Mars in house %2, Non Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, cancelled: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: cannot be compared, a verdict is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: neither has the dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 (not counted): neither has the dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: both have the dosha, so the doshas balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 (not counted): both have the dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: only the bride has the dosha; the groom&apos;s from %2 balances it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: only the groom has the dosha; the bride&apos;s from %2 balances it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: only the bride has the dosha, and it stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1: only the groom has the dosha, and it stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 (not counted): only the bride has the dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 (not counted): only the groom has the dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the bride&apos;s dosha is cancelled: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the groom&apos;s dosha is cancelled: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bride&apos;s Manglik status could not be determined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groom&apos;s Manglik status could not be determined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bride is not Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groom is not Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bride&apos;s dosha is cancelled (from %1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groom&apos;s dosha is cancelled (from %1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bride is Manglik from %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groom is Manglik from %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bride is Manglik from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groom is Manglik from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Manglik comparison cannot be made: a verdict is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither is Manglik: there is no dosha to balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both are Manglik: the doshas balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the bride is Manglik: the dosha stands, unbalanced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the groom is Manglik: the dosha stands, unbalanced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>points of the maximum</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list and one more of its items</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a list of reasons and one more</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Ashtakoota cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>points of 36 (band)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but not recommended: unlifted Nadi and Bhakoot doshas override the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but not recommended: an unlifted Nadi dosha overrides the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, but not recommended: an unlifted Bhakoot dosha overrides the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Manglik comparison cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither is Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both are Manglik, so the Manglik doshas balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the bride is Manglik, so her Manglik dosha stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the groom is Manglik, so his Manglik dosha stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bride&apos;s Manglik dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the groom&apos;s Manglik dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no dosha stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dosha standing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>doshas standing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conclusion: %1; %2; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bride %1, groom %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the groom&apos;s varna is not lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the groom&apos;s varna is lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tara %1 from the bride&apos;s nakshatra, %2 from the groom&apos;s: both favourable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tara %1 from the bride&apos;s nakshatra, %2 from the groom&apos;s: one favourable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tara %1 from the bride&apos;s nakshatra, %2 from the groom&apos;s: neither favourable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the same yoni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: friendly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unfriendly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: sworn enemies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both Moon signs ruled by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>friendly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hostile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mutual friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mutual enemies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lords %1 (bride) and %2 (groom): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lords %1 (bride) and %2 (groom): %1 %3, %2 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both Moons in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon signs %1 and %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <comment>koota: points. reason</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both Moons in one sign, in two nakshatras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one nakshatra, in two signs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both Moon signs ruled by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sign lords %1 and %2 are mutual friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both Moon signs have one lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sign lords %1 and %2 are not enemies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bride&apos;s nakshatra is 14th or more from the groom&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no exception lifts it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, lifted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surya</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chandra</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budha</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukra</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mangala</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guru</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shani</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <comment>a body in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc</source>
        <comment>the ascendant in a chart&apos;s cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (R) </source>
        <comment>a retrograde body in a chart&apos;s cell; the blanks belong to it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ari</source>
        <comment>Aries in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tau</source>
        <comment>Taurus in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gem</source>
        <comment>Gemini in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can</source>
        <comment>Cancer in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>Leo in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vir</source>
        <comment>Virgo in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lib</source>
        <comment>Libra in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sco</source>
        <comment>Scorpio in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sag</source>
        <comment>Sagittarius in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap</source>
        <comment>Capricorn in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqu</source>
        <comment>Aquarius in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pis</source>
        <comment>Pisces in a position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aswini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rasi (D1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora (D2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drekkana (D3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sapthamsa (D7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasamsa (D10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dwadasamsa (D12)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcutta Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bride</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gana dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manglik dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° %2&apos; %3&quot; %4</source>
        <comment>a position: degrees in the sign, minutes, seconds, the sign&apos;s abbreviation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a position: two-digit degrees in the sign, the sign&apos;s abbreviation, two-digit minutes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° %2&apos; %3&quot;</source>
        <comment>an angle: signed degrees, minutes, seconds</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>south</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude from 0 to 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude from 0 to 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Latitude of at most 90 Degree 0 Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude from 0 to 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude from 0 to 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter a Longitude of at most 180 Degree 0 Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter the Exact UTC Offset as +HH:MM, from -14:00 to +14:00, or leave it empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a saved reading (*.vrl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its bytes are not those of a saved reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>it holds only %n lines, too few for a saved reading&apos;s birth date and time</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 flag is neither True nor False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 holds a character a reading file cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.
%1</source>
        <comment>a saved reading refused: why</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved reading: the name of one ends in .vrl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved reading: it holds bytes that no saved reading holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n lines, too few for a saved reading&apos;s birth date and time.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved reading: its %2 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved reading: its %2 flag is neither True nor False.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a saved reading: its %2 holds a control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 holds a character that a reading file cannot store. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
From the reading file &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a percentage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of Mars from %1 is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The person&apos;s Manglik status could not be determined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of Mars from %1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in house %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon sign is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord of the %1 sign, %2, stands in house %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is close to the ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is close to the Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is close to Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dosha cancelled: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the day before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>give or take %n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>give or take %n hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>give or take %n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>an approximate clock time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perhaps from before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from about %1, %2,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1 (set by the ascendant)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1 (set by the Moon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perhaps until after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>until after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to about %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1 (set by the ascendant)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1 (set by the Moon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds for births %1 %2</source>
        <comment>from when, to when</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>reference: birth-time window</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Manglik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars is within Varelio&apos;s error of %1&apos; of the edge of its sign: a birth at this time may be %2 from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars is within Varelio&apos;s error of %1&apos; of the edge of its sign: the sky&apos;s Mars may change sign at any of these times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars comes within Varelio&apos;s error of %1&apos; of the edge of its sign at %2: the sky&apos;s Mars may change sign from then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars is within Varelio&apos;s error of %1&apos; of the edge of its sign until %2: the sky&apos;s Mars may have changed sign before then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A birth %n minutes later gives %1 from %2: check the recorded time.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A birth %n minutes earlier gives %1 from %2: check the recorded time.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Offset: %1, exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset: %1, zone row with DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset: %1, zone row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House %1: sign unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House %1 (%2): lord %3, position unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House %1 (%2): lord %3 in house %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; Mars here, dosha cancelled: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; Mars here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; Moon here, dosha from the Moon cancelled: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; Moon here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a body and its position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Planetary Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna / Asc: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rashi / Moon Sign: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House Lord Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en_US</source>
        <comment>The QLocale name of this translation&apos;s language and country, such as hi_IN or ta_IN: dates, clock times and numbers in the sentences are written as that locale writes them</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>QLocale&apos;s pattern of a date in a sentence, as 1 January 2000</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <comment>QLocale&apos;s pattern of a date of birth, as January 1, 2000</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No time zone chosen for %1: the date is not a day of the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone %1 is not in this system&apos;s time-zone data: choose the row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kept %2, %3, until %4</source>
        <comment>city, its clock, offset, year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>local mean time before standard time, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3 → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3 → exact offset %4, which no row gives</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>how far off a row is</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under 1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3 → nearest row %4, %5 off: the ascendant may be %6 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the time-zone data gives %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2: for a time recorded in it, enter %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the clocks went forward over this time, so it never happened there: check it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the clocks went back over this time, so it happened twice: the earlier is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; changed by hand, so the zone no longer follows the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city no longer names %1, so its state, country, latitude, longitude and exact offset were emptied: pick the new city from the list, or enter them and check the time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file but a folder, a named pipe, a device or a link to none or to one of those; it was left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file but a folder, a named pipe, a device or a link to none or to one of those; it was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The application icon cannot be shown: Qt&apos;s SVG icon plugin (libqt6svg6) is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::Application</name>
    <message>
        <source>%1: the bride&apos;s birth, for the match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the groom&apos;s birth, for the match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::CheckedField</name>
    <message>
        <source>Please enter only letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::HelpWindow</name>
    <message>
        <source>Varelio Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::InputWindow</name>
    <message>
        <source>Varelio v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varelio displays if a person suffers from  problems created by planet Mars. Manglik is also known as Mars Dosha, Mangal Dosha, Manglik Dosha, Mangalik Dosha, Bhom Dosha or Kuja Dosha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This can lead to a lot of delays, frustrations, obstacles and problems in life. Knowing if you are a Manglik or not helps find remedies to these problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One can be Manglik by Lagna (Ascendant) chart or by Chandra (Moon) chart or by both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get My Manglik Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>±HH:MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock&apos;s exact offset from universal time at the birth, summer time included, used instead of the zone row and the DST box. Empty: the zone row&apos;s offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: the exact UTC offset applies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exact UTC offset beside it is used instead of this row and the DST box; choosing a row empties it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More free astrology software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match Two Readings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::MatchWindow</name>
    <message>
        <source>Varna, the class of the Moon sign: Brahmin (Cancer, Scorpio, Pisces), Kshatriya (Aries, Leo, Sagittarius), Vaishya (Taurus, Virgo, Capricorn), Shudra (Gemini, Libra, Aquarius). 1 point when the groom&apos;s is not lower than the bride&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vashya, the kind of the Moon sign: Chatushpada (four-footed), Manava (human), Jalachara (of the water), Vanachara (of the wild, Leo), Keeta (insect, Scorpio). 2 points for the same kind, less when one is the other&apos;s prey or out of its control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tara, the birth stars counted from each other in nines: the 3rd, 5th and 7th are unfavourable. 1.5 points for each favourable direction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoni, the animal of each Moon nakshatra: 4 points for the same animal, down to 0 for sworn enemies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graha Maitri, the friendship of the lords of the two Moon signs: 5 points for one lord or two friends, down to 0 for two enemies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gana, the temperament of each Moon nakshatra: Deva (divine), Manushya (human), Rakshasa (demonic). 6 points for the same; a Rakshasa with either other gives 0 or 1, the Gana dosha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhakoot, how far apart the two Moon signs are: 2/12, 5/9 and 6/8 give 0, the Bhakoot dosha, which no total outweighs unless an exception lifts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadi, the pulse of each Moon nakshatra: Adi (first), Madhya (middle) or Antya (last). The same nadi gives 0, the Nadi dosha, which no total outweighs unless an exception lifts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The percentage is the weight of the dosha in the house of Mars, as this tradition counts it: 100% in house 8, 50% in house 1, 25% in house 7, 0.125% in house 4, 0.0625% in houses 2 and 12. A cancelled dosha does not count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not chosen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below 18 of 36 a match is not recommended, and a Nadi or a Bhakoot dosha that no exception lifts makes it not recommended whatever the total. A Manglik should marry a Manglik: both balance, one alone leaves the dosha standing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the bride&apos;s and the groom&apos;s readings to match them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varelio: Match Two Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As &amp;Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the Terms &amp;Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varna, nadi, gana, the dosha&apos;s percentage and the other words of the match, explained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Current Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrent Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Saved Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ved Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter a Birth...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nter a Birth...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bride&apos;s reading cannot be computed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groom&apos;s reading cannot be computed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::PlaceCompletion</name>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes, compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2), %3, %4</source>
        <comment>city, the other name it was found by, state, country</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>place, its coordinates</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::ReadingView</name>
    <message>
        <source>Varelio v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varelio::app::ReadingWindow</name>
    <message>
        <source>Varelio v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match Two Readings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;East Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varelio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
