#!/usr/bin/env python3
"""The house plan against the house: the rooms table in README.md's Development section, the
folders of the tree, the shipped programs' builds and the sources' includes.

  house_test.py SOURCE_DIR [CMAKE]

Configures the program build (no tests) of the console program, the Windows program and the web
site (the last two with their presets' toolchains), each in a temporary folder with CMake's
file API and --graphviz, then checks that
  - every folder at the top of the tree has its row in the table, and every row its folder;
  - every dependency between a build's targets is an arrow of the table (or stays in one
    folder), and every arrow of the table between rooms that build code is one of them;
  - every include of a target's sources names a header of its own folder or of a target it
    links, and of an interface target (the seam) only the headers it lists;
  - no program links two platforms;
  - every source of the rooms that hold the program is compiled into a shipped program, but for
    the tests' sides of two rooms: the memory platform, and the machine's own arithmetic the
    software arithmetic is held against.
Without a build's compiler that build is left out, and the test ends as skipped (77).
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

SOURCE = os.path.abspath(sys.argv[1])
CMAKE = sys.argv[2] if len(sys.argv) > 2 else 'cmake'
# Each shipped program's build: the preset whose toolchain it takes, and that toolchain's compiler.
BUILDS = [('console program', None, None),
          ('Windows program', 'mingw', 'x86_64-w64-mingw32-g++-posix'), ('web site', 'web', 'em++')]
PROGRAM_ROOMS = ['extended', 'numtext', 'app', 'console', 'winsvc', 'platform', 'drawing',
                 'unicode', 'web']
TESTS_SIDES = ('platform/memory/', 'extended/x87/')
faults = []


def rooms_table():
    """{folder: set of folders it uses}, from the table under '## Development'."""
    text = open(os.path.join(SOURCE, 'README.md'), encoding='utf-8').read()
    section = text.split('\n## Development', 1)[1].split('\n## ', 1)[0]
    rows = {}
    for line in section.splitlines():
        cells = [c.strip() for c in line.strip().strip('|').split('|')]
        if len(cells) < 3 or not re.fullmatch(r'`[^`]+/`', cells[0]):
            continue
        uses = set(re.findall(r'`([a-z0-9_]+)/`', cells[2]))
        rows[cells[0].strip('`/')] = uses
    return rows


def configure(build, preset):
    query = os.path.join(build, '.cmake', 'api', 'v1', 'query')
    os.makedirs(query)
    open(os.path.join(query, 'codemodel-v2'), 'w').close()
    presets = json.load(open(os.path.join(SOURCE, 'CMakePresets.json')))['configurePresets']
    options = ['-DCMAKE_TOOLCHAIN_FILE=' + p['toolchainFile'].replace('${sourceDir}', SOURCE)
               for p in presets if p['name'] == preset]
    environment = dict(os.environ)
    environment.setdefault('NODE_PATH', '/usr/share/nodejs')  # emscripten's own modules
    subprocess.run([CMAKE, '-S', SOURCE, '-B', build, '-DSORVANTA_TESTS=OFF',
                    '-DCMAKE_BUILD_TYPE=Release', '--graphviz=' + os.path.join(build, 'g.dot')]
                   + options, check=True, stdout=subprocess.DEVNULL, env=environment)


def targets(build):
    """{name: {'folder', 'sources', 'kind'}} of the build's own targets, interface ones too."""
    reply = os.path.join(build, '.cmake', 'api', 'v1', 'reply')
    index = [f for f in os.listdir(reply) if f.startswith('codemodel-v2-')][0]
    model = json.load(open(os.path.join(reply, index)))
    found = {}
    for entry in model['configurations'][0]['targets']:
        t = json.load(open(os.path.join(reply, entry['jsonFile'])))
        sources = [s['path'] for s in t.get('sources', []) if not os.path.isabs(s['path'])]
        found[t['name']] = {'folder': t['paths']['source'].split('/')[0], 'sources': sources,
                            'kind': t['type']}
    # The file API of this CMake leaves interface libraries out: their folder and header set
    # come from the CMakeLists that declares them.
    for folder, _, files in os.walk(SOURCE):
        if 'CMakeLists.txt' not in files or '/.' in folder or '/build' in folder:
            continue
        text = open(os.path.join(folder, 'CMakeLists.txt')).read()
        for name in re.findall(r'add_library\((\w+) INTERFACE\)', text):
            listed = re.search(name + r' INTERFACE FILE_SET HEADERS[^)]*FILES([^)]*)\)', text)
            rel = os.path.relpath(folder, SOURCE)
            headers = [os.path.join(rel, h) for h in listed.group(1).split()] if listed else []
            found[name] = {'folder': rel.split('/')[0], 'sources': headers, 'kind': 'INTERFACE'}
    return found


def edges(build, known):
    """The direct dependencies between the build's own targets, from --graphviz."""
    text = open(os.path.join(build, 'g.dot')).read()
    pairs = re.findall(r'// (\S+) -> (\S+)', text)
    return {(a, b) for a, b in pairs if a in known and b in known}


def includes(path):
    try:
        text = open(os.path.join(SOURCE, path), encoding='utf-8').read()
    except OSError:
        return []
    return re.findall(r'^#include "([^"]+)"', text, re.M)


def check_folders(rows):
    present = {d for d in os.listdir(SOURCE)
               if os.path.isdir(os.path.join(SOURCE, d)) and not d.startswith('.') and d != 'build'}
    for missing in sorted(present - set(rows)):
        faults.append(f'the folder {missing}/ has no row in the README\'s rooms table')
    for extra in sorted(set(rows) - present):
        faults.append(f'the rooms table names {extra}/, which the tree does not have')


def check_graph(rows, known, graph, used):
    """Adds the build's arrows between rooms to `used`; the project's flags, at the top of the
    tree, are no room's."""
    for a, b in sorted(graph):
        fa, fb = known[a]['folder'], known[b]['folder']
        if fa == fb or fb == '.':
            continue
        used.add((fa, fb))
        if fb not in rows.get(fa, set()):
            faults.append(f'{a} ({fa}/) links {b} ({fb}/): no such arrow in the rooms table')
    for name, t in known.items():
        if t['kind'] == 'EXECUTABLE':
            platforms = [b for a, b in graph if a == name and b.startswith('sorvanta_platform_')]
            if len(platforms) > 1:
                faults.append(f'{name} links {len(platforms)} platforms: {platforms}')


def check_unused_arrows(rows, code, used):
    for fa in sorted(rows):
        for fb in sorted(rows[fa]):
            if fa in code and fb in code and (fa, fb) not in used:
                faults.append(f'the rooms table has {fa}/ -> {fb}/, which no target of a build has')


def shipped_sources(known, graph):
    """What the build's programs in the rooms that hold the program (the site's tools among
    them) compile, with all they link."""
    programs = [n for n, t in known.items() if t['kind'] == 'EXECUTABLE'
                and t['folder'] in PROGRAM_ROOMS]
    return {s for p in programs for n in closure(p, graph) | {p} for s in known[n]['sources']}


def check_shipped(shipped):
    for room in PROGRAM_ROOMS:
        for folder, _, files in os.walk(os.path.join(SOURCE, room)):
            rel = os.path.relpath(folder, SOURCE) + '/'
            for name in sorted(f for f in files if f.endswith('.cpp')):
                path = rel + name
                if not path.startswith(TESTS_SIDES) and path not in shipped:
                    faults.append(f'{path} is compiled into no shipped program')


def closure(name, graph):
    seen, todo = set(), [name]
    while todo:
        current = todo.pop()
        for a, b in graph:
            if a == current and b not in seen:
                seen.add(b)
                todo.append(b)
    return seen


def check_includes(known, graph):
    for name, t in sorted(known.items()):
        if t['kind'] == 'INTERFACE':
            continue
        allowed_folders = {t['folder']}
        allowed_headers = set()
        for dep in closure(name, graph):
            if known[dep]['kind'] == 'INTERFACE':
                allowed_headers.update(known[dep]['sources'])
            else:
                allowed_folders.add(known[dep]['folder'])
        # The target's sources and the headers of its own folder they include, so that a header
        # cannot carry an include past the check.
        todo, seen = list(t['sources']), set()
        while todo:
            source = todo.pop()
            seen.add(source)
            for header in includes(source):
                if header.split('/')[0] == t['folder']:
                    if header not in seen:
                        todo.append(header)
                elif '/' in header and header.split('/')[0] not in allowed_folders \
                        and header not in allowed_headers:
                    faults.append(f'{source} ({name}) includes {header}, which nothing it links has')


def main():
    rows = rooms_table()
    if not rows:
        print('FAIL: no rooms table under "## Development" in README.md')
        return 1
    check_folders(rows)
    used, code, shipped, missing = set(), set(), set(), []
    for program, preset, compiler in BUILDS:
        if compiler and not shutil.which(compiler):
            missing.append(f'{program} ({compiler})')
            continue
        with tempfile.TemporaryDirectory() as build:
            configure(build, preset)
            known = targets(build)
            graph = edges(build, known)
        check_graph(rows, known, graph, used)
        check_includes(known, graph)
        code |= {t['folder'] for t in known.values()}
        shipped |= shipped_sources(known, graph)
        print(f'the {program}: {len(known)} targets, {len(graph)} dependencies')
    check_unused_arrows(rows, code, used)
    if not missing:  # a source of the missing build's program alone would be taken for unused
        check_shipped(shipped)
    for fault in dict.fromkeys(faults):  # each once, though several builds find it
        print('FAIL: ' + fault)
    print(f'{len(rows)} rooms checked')
    if faults:
        return 1
    if missing:
        print('SKIP: no compiler for the ' + ', '.join(missing) + ': those builds are not checked')
        return 77
    return 0


if __name__ == '__main__':
    sys.exit(main())
