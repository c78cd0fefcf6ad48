
// Appended to babel.min.js at build time (see the Makefile).
// Babel's loose lowering of default parameters keeps a parameter with a default,
// and every one after it, in the parameter list (the default is assigned in the
// body), so the list no longer gives the length the function reports. Every
// transform therefore runs this plugin ahead of its own: on a function with a
// default parameter it puts the directive "orvan:length <n>" at the top of the
// body while the list is still the user's, and the C++ generator takes the
// length from it (src/frontend/function_length.h holds the same text).
(function () {
  if (typeof Babel === 'undefined') return;
  var transform = Babel.transform;
  function lengthDirective(babel) {
    var t = babel.types;
    return {
      visitor: {
        Function: function (path) {
          var params = path.node.params;
          for (var i = 0; i < params.length && params[i].type !== 'RestElement'; i++) {
            if (params[i].type !== 'AssignmentPattern') continue;
            if (path.isArrowFunctionExpression()) path.ensureBlock();
            path.node.body.directives.unshift(t.directive(t.directiveLiteral('orvan:length ' + i)));
            return;
          }
        }
      }
    };
  }
  Babel.transform = function (code, options) {
    var withLength = Object.assign({}, options);
    withLength.plugins = [lengthDirective].concat(withLength.plugins || []);
    return transform.call(this, code, withLength);
  };
})();
