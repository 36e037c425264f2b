#!/usr/bin/env bash
# Starts Qt Designer under Xvfb with the toolkit installed in a scratch prefix
# and a form that uses both of its controls, and saves a screenshot of the
# window. Usage: scripts/designer-screenshot.sh [5|6] [output.png]
# Needs the xvfb package (scripts/setup.sh) and a release build of that Qt.
set -euo pipefail

major=${1:-5}
out=$(realpath -m "${2:-docs/designer-widget-box-qt${major}.png}")
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
[ "$major" = 6 ] && build="$root/build/release-qt6"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > /dev/null

# A small grabber of the virtual screen, built against the same Qt.
cat > "$work/grab.cpp" <<'CPP'
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 853, 720);
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
CPP
g++ -std=c++17 -fPIC "$work/grab.cpp" -o "$work/grab" $(pkg-config --cflags --libs "Qt${major}Gui")

# Designer's own settings: every standard widget-box group folded, so that the
# toolkit's group is in view, and no new-form dialog over the window.
mkdir -p "$work/home/.config/QtProject"
cat > "$work/home/.config/QtProject/Designer.conf" <<'INI'
[General]
WidgetBox\Closed%20categories=Layouts, Spacers, Buttons, Item Views (Model-Based), Item Widgets (Item-Based), Containers, Input Widgets, Display Widgets
newFormDialog\ShowOnStartup=false
INI

cat > "$work/run.sh" <<SH
#!/usr/bin/env bash
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export QT_PLUGIN_PATH="$work/prefix/lib/qt${major}/plugins"
export QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu
/usr/lib/qt${major}/bin/designer "$root/scripts/designer/PlateSearchForm.ui" > "$work/designer.log" 2>&1 &
sleep 8
"$work/grab" "$out"
kill \$!
SH
chmod +x "$work/run.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$work/run.sh"
echo "designer-screenshot: $out"
