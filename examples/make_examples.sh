#!/bin/sh
# Writes the example circuit sets with quorel-cli itself.
# Usage: examples/make_examples.sh path/to/quorel-cli [folder]   (folder: examples/)
set -eu
cli=${1:?usage: make_examples.sh path/to/quorel-cli [folder]}
out=${2:-$(dirname "$0")}

"$cli" new "$out/default.cir" -q \
    --memo "The circuit of a fresh start: 20 inner sites, 8 outer sites, no paths."

"$cli" new "$out/delay-path.cir" -q --delay-path yes --stimulus-site 5 \
    --memo "A delay path of 3 segments over 2 cm from site 1 to the QRS onset (site 32)."

"$cli" new "$out/dead-end.cir" -q --dead-end yes --stimulus-site 30 \
    --memo "A dead-end pathway of 4 segments (sites 30 to 33) connected to site 2;" \
    --memo "the stimulus at site 30 lies on the pathway."

"$cli" new "$out/two-dead-ends.cir" -q --dead-end yes --second-dead-end yes --stimulus-site 34 \
    --memo "Two dead-end pathways: sites 30 to 33 connected to site 2," \
    --memo "sites 34 to 37 connected to site 3; the stimulus at site 34."

"$cli" new "$out/decremental.cir" -q --segment all:sf=0.5 --stimulus-site 5 --decrement-ms 10 \
    --memo "Decremental conduction: every segment has the scaling factor S.F. 0.5," \
    --memo "so premature beats conduct more slowly; scanned in 10 ms decrements."

# Each set carries the results of its protocol, so that it opens with a result sheet, an ECG
# and a replay at once. The history row of the run (dated) is not kept.
for name in default delay-path dead-end two-dead-ends decremental; do
    "$cli" run "$out/$name.cir" -q -o "$out/$name.cir"
    rm -f "$out/$name.mo3"
done
