#!/bin/sh
# The README's pictures are the program's own screenshots, taken by the scenario runner on a
# copy of the sample installation: the home screen, and a unit's practice with its hint shown.
# Usage: readme_pictures.sh RUNNER SAMPLE_DIR OUT_DIR       writes home.png and practice.png
#        readme_pictures.sh --check RUNNER SAMPLE_DIR DOCS_DIR   fails when docs/ is out of date
set -eu
check=0
if [ "$1" = "--check" ]; then check=1; shift; fi
runner=$1 sample=$2 out=$3
# The runner starts in a scratch folder, so a relative path is made absolute first.
case $runner in /*) ;; */*) runner=$(pwd)/$runner ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$sample" "$work/install"
cat > "$work/script.txt" <<'SCRIPT'
wait 3000
shot home.png
unit 0
wait 2000
# The bar's 操作提示: the step's hint and the frame round the place to act on.
click 630 555
wait 1000
shot practice.png
SCRIPT
# The runner's screen is the program's own size, so the pictures hold nothing but the program.
(cd "$work" && "$runner" --program-dir "$work/install" --script "$work/script.txt" --screen 800x600 \
  --now "2026-09-01 09:00:00" --seed 1 >/dev/null)
if [ $check -eq 0 ]; then
  mkdir -p "$out"
  cp "$work/home.png" "$work/practice.png" "$out/"
  exit 0
fi
status=0
for f in home.png practice.png; do
  if ! cmp -s "$work/$f" "$out/$f"; then
    echo "readme_pictures: $out/$f is not what the program shows now;" \
         "rerun tools/scripts/readme_pictures.sh build/tools/script/xpexam-script build/sample docs" >&2
    status=1
  fi
done
exit $status
