// Bundles one entry file and its npm dependencies into one CommonJS file.
//
//   node bundle.mjs <entry> <projectRoot> <outFile> <platform>
//
// The result is meant for two consumers: the ahead-of-time compiler, which has no
// closures and no module wrappers at run time, and the embedded engine. So every
// CommonJS module is turned into an ES module (its require calls become imports,
// its module.exports the default export) and esbuild hoists all modules into one
// flat scope: top-level functions and variables of every file, in dependency order,
// with no __commonJS wrappers. Node's built-in modules stay require calls.
// A "browser" bundle is a web page's script, never compiled ahead of time, so it
// keeps esbuild's own CommonJS handling (lazy, as Node runs it).
import { builtinModules } from 'node:module';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const { build, transform } = await import(path.join(here, 'node_modules', 'esbuild', 'lib', 'main.js'));

const [entry, projectRoot, outFile, platform] = process.argv.slice(2);
if (!entry || !projectRoot || !outFile || !platform) {
  console.error('usage: node bundle.mjs <entry> <projectRoot> <outFile> <platform>');
  process.exit(2);
}

const builtins = new Set(builtinModules.flatMap((m) => [m, `node:${m}`]));
const REQUIRE = /\brequire\s*\(\s*(['"])([^'"\n]+)\1\s*\)/g;
const ESM_SYNTAX = /^\s*(import\s*[\w{*'"]|export\s)/m;

// A CommonJS source as an ES module. `module` and `exports` become one object per
// file under a name of its own (esbuild's define touches only real references, not
// strings or property names), required files become imports of their default export.
let moduleCount = 0;
async function commonJsAsEsm(source, isEntry) {
  let code = source;
  const holder = `__orvan_module${moduleCount++}`;
  if (!isEntry) {
    code = (await transform(source, {
      loader: 'js',
      define: { module: holder, exports: `${holder}.exports` },
    })).code;
  }
  const imports = new Map();
  const body = code.replace(REQUIRE, (whole, _q, specifier) => {
    if (builtins.has(specifier)) return whole;
    if (!imports.has(specifier)) imports.set(specifier, `__orvan_dep${imports.size}`);
    return `${imports.get(specifier)}.default`;
  });
  const head = [...imports].map(([specifier, name]) => `import * as ${name} from ${JSON.stringify(specifier)};`);
  if (isEntry) return `${head.join('\n')}\n${body}\n`;
  return `${head.join('\n')}\nvar ${holder} = { exports: {} };\n${body}\n` +
    `export default ${holder}.exports;\n`;
}

const entryAbs = path.resolve(entry);
const commonJsToEsm = {
  name: 'orvan-commonjs-to-esm',
  setup(b) {
    b.onLoad({ filter: /\.(c?js)$/ }, async (args) => {
      const source = await fs.promises.readFile(args.path, 'utf8');
      if (ESM_SYNTAX.test(source)) return { contents: source, loader: 'js' };
      return { contents: await commonJsAsEsm(source, args.path === entryAbs), loader: 'js' };
    });
  },
};

try {
  await build({
    entryPoints: [entryAbs],
    outfile: path.resolve(outFile),
    absWorkingDir: path.resolve(projectRoot),
    nodePaths: [path.join(path.resolve(projectRoot), 'node_modules')],
    bundle: true,
    format: 'cjs',
    platform,
    target: 'es2020',
    external: platform === 'browser' ? [] : [...builtins],
    logLevel: 'error',
    legalComments: 'none',
    plugins: platform === 'browser' ? [] : [commonJsToEsm],
  });
} catch {
  process.exit(1);
}
