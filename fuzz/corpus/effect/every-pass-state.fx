vertex VS { attribute vec4 position : POSITION; void main() { gl_Position = position; } }
fragment FS { void main() { gl_FragColor = vec4(1.0); } }
technique T { pass a { VertexProgram = VS; FragmentProgram = FS; BlendEnable = true; BlendFunc = (SrcAlpha, OneMinusSrcAlpha);
  DepthTestEnable = false; DepthMask = false; DepthFunc = LEqual; CullFaceEnable = true; CullFace = Front;
  PolygonMode = Line; LineWidth = 2.5; }
  pass { VertexProgram = VS; FragmentProgram = FS; BlendFunc = (DstColor, Zero); } }
technique U { pass { VertexProgram = VS; FragmentProgram = FS; } }
