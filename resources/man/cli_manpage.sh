#!/bin/sh
# Writes the manual page rooster2-cli(1) to standard output from the program's own
# help texts, so that every command and option the program knows is in it.
#   cli_manpage.sh CLI VERSION DATADIR OUT
# CLI: the built rooster2-cli; DATADIR: where the package puts its data
# (/usr/share/rooster2). The help layout it reads is fixed in src/cli/cli_help.h.
set -eu
cli=$1
version=$2
datadir=$3
out=$4

# The help text on standard input as roff: paragraphs in the first column, terms
# indented by two spaces, their explanations by six. The first line is the usage.
# The overview's command list is left out (mode=intro); each command's own help
# follows in its own section.
to_roff() {
  awk -v mode="$1" '
    function esc(s) { gsub(/\\/, "\\e", s); return s }
    function prose(s) { s = esc(s); gsub(/--/, "\\-\\-", s); return s }
    function opt(s) { s = esc(s); gsub(/-/, "\\-", s); return s }
    function term_roff(s,    rest) {
      rest = s; sub(/^[^ ]+ ?/, "", rest); sub(/ .*/, "", s)
      return "\\fB" opt(s) "\\fR" (rest == "" ? "" : " \\fI" opt(rest) "\\fR")
    }
    function line(s) { if (s ~ /^[.\047]/) s = "\\&" s; print s }
    function flush() {
      if (text == "") return
      if (term != "") { print ".TP"; print term_roff(term) } else print ".PP"
      line(prose(text)); text = ""; term = ""
    }
    NR == 1 {
      if (mode == "command") {
        sub(/^gebruik: rooster2-cli /, "")
        name = $1; sub(/^[^ ]+ ?/, "")
        print ".SS " opt(name)
        print "\\fBrooster2\\-cli " opt(name) "\\fR " opt($0)
      }
      next
    }
    /^$/ { flush(); next }
    mode == "intro" && /^Opdrachten:$/ { skipping = 1; next }
    skipping && /^  / { next }
    { skipping = 0 }
    /^      / { sub(/^ +/, ""); text = text == "" ? $0 : text " " $0; next }
    /^  / { flush(); term = substr($0, 3); next }
    { if (term != "") flush(); text = text == "" ? $0 : text " " $0 }
    END { flush() }'
}

overview=$("$cli" --help)
commands=$(printf '%s\n' "$overview" |
  awk '/^Opdrachten:$/ { on = 1; next } on && /^  [^ ]/ { print $1 } /^$/ { on = 0 }')
if [ -z "$commands" ]; then
  echo "$0: geen opdrachten in de uitvoer van $cli --help" >&2
  exit 1
fi

# A failed run leaves no page behind that looks finished.
exec >"$out.tmp"
cat <<HEADER
.\\" Made from the output of "rooster2-cli --help" at build time: do not edit.
.TH ROOSTER2\\-CLI 1 "" "Rooster2 $version" "Rooster2"
.\\" Dutch words would be broken by the English hyphenation rules.
.nh
.SH NAAM
rooster2\\-cli \\- Rooster2 op de opdrachtregel
.SH OVERZICHT
\\fBrooster2\\-cli\\fR \\fIOPDRACHT\\fR [\\fIARGUMENTEN\\fR]
.br
\\fBrooster2\\-cli\\fR [\\fIOPDRACHT\\fR] \\fB\\-\\-help\\fR
.SH BESCHRIJVING
HEADER
printf '%s\n' "$overview" | to_roff intro
echo ".SH OPDRACHTEN"
for command in $commands; do
  help=$("$cli" "$command" --help)
  printf '%s\n' "$help" | to_roff command
done
cat <<FOOTER
.SH BESTANDEN
.TP
\\fI$datadir/wordlists/nl02.doc\\fR tot en met \\fInl19.doc\\fR
de Nederlandse woordenlijstset die met het programma komt
.TP
\\fI$datadir/zwart.gif\\fR, \\fI$datadir/grijs.gif\\fR
de plaatjes die de html\\-export naast de pagina zet
.SH ZIE OOK
.BR rooster2 (1)
FOOTER
mv "$out.tmp" "$out"
